#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTableView;
class TableImportModel;

// Importing a table of pairs, as a spreadsheet's import dialog does it: the columns shown as they
// will be read, with the separator and the heading row the teacher picks.
class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    ImportDialog(TableImportModel *table, const QString &fileName, QWidget *parent = nullptr);

    QComboBox *separatorBox() const { return m_separator; }
    QCheckBox *headingBox() const { return m_heading; }

private:
    void showMessages();

    TableImportModel *m_table;
    QComboBox *m_separator;
    QCheckBox *m_heading;
    QTableView *m_preview;
    QLabel *m_count;
    QPlainTextEdit *m_messages;
};
