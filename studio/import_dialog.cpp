#include "studio/import_dialog.h"

#include "studiocore/table_import.h"
#include "widgets/window_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ImportDialog::ImportDialog(TableImportModel *table, const QString &fileName, QWidget *parent)
    : QDialog(parent), m_table(table), m_separator(new QComboBox(this)), m_heading(new QCheckBox(this)),
      m_preview(new QTableView(this)), m_count(new QLabel(this)), m_messages(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Import pairs from %1").arg(fileName));
    setObjectName(u"importDialog"_s);

    m_separator->addItem(tr("Automatic"), 0);
    m_separator->addItem(tr("Tab"), int('\t'));
    m_separator->addItem(tr("Semicolon ;"), int(';'));
    m_separator->addItem(tr("Comma ,"), int(','));
    m_separator->setCurrentIndex(m_separator->findData(int(table->delimiter())));
    describe(m_separator, u"separator"_s, tr("Separator"),
             tr("The sign between the columns; Automatic takes the one that fits the most rows"));
    m_heading->setText(tr("The &first row is a heading"));
    m_heading->setChecked(table->heading());
    describe(m_heading, u"heading"_s, tr("The first row is a heading"),
             tr("Leaves the first row out, as it names the columns"));

    m_preview->setModel(table);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setWordWrap(false);
    m_preview->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    describe(m_preview, u"preview"_s, tr("Rows as they will be imported"),
             tr("Expression, meaning, explanation and picture of each row; the numbers are the file's lines"));
    describe(m_count, u"count"_s, QString(), QString());
    m_messages->setReadOnly(true);
    m_messages->setMaximumHeight(6 * fontMetrics().lineSpacing());
    describe(m_messages, u"messages"_s, tr("What the reader says"),
             tr("The separator taken, a likely heading, and rows that do not fit"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    describe(import, u"import"_s, tr("Import"), tr("Adds the rows to the quiz's pairs"));
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    describe(cancel, u"cancel"_s, tr("Cancel"), QString());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    auto *separatorLabel = new QLabel(tr("&Separator:"), this);
    separatorLabel->setBuddy(m_separator);
    form->addRow(separatorLabel, m_separator);
    form->addRow(QString(), m_heading);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_count);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_messages);
    layout->addWidget(buttons);
    resize(720, 480);

    connect(m_separator, &QComboBox::currentIndexChanged, this, [this] {
        m_table->setDelimiter(char(m_separator->currentData().toInt()));
        showMessages();
    });
    connect(m_heading, &QCheckBox::toggled, this, [this](bool on) {
        m_table->setHeading(on);
        showMessages();
    });
    showMessages();
}

void ImportDialog::showMessages()
{
    m_count->setText(tr("%n row(s) will be imported.", nullptr, m_table->rowCount()));
    const QStringList messages = m_table->messages();
    m_messages->setPlainText(messages.join(u'\n'));
    m_messages->setVisible(!messages.isEmpty());
}
