#include "studio/recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {
const auto kKey = u"recentFiles"_s;
}

RecentFiles::RecentFiles(QMenu *menu, QObject *parent) : QObject(parent), m_menu(menu)
{
    fillMenu();
}

QStringList RecentFiles::files() const
{
    return QSettings().value(kKey).toStringList();
}

void RecentFiles::add(const QString &path)
{
    QStringList list = files();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    list.removeAll(absolute);
    list.prepend(absolute);
    QSettings().setValue(kKey, list.mid(0, kMax));
    fillMenu();
}

void RecentFiles::fillMenu()
{
    m_menu->clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list.at(i);
        // &1 … &8 choose them by keyboard.
        QAction *action = m_menu->addAction(u"&%1 %2"_s.arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(action, &QAction::triggered, this, [this, path] { Q_EMIT chosen(path); });
    }
    m_menu->setEnabled(!list.isEmpty());
}
