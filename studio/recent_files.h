#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

// The quizzes opened and saved last, newest first, kept in the settings and listed in a menu.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMax = 8;

    explicit RecentFiles(QMenu *menu, QObject *parent = nullptr);
    QStringList files() const;
    void add(const QString &path);

Q_SIGNALS:
    void chosen(const QString &path);

private:
    void fillMenu();

    QMenu *m_menu;
};
