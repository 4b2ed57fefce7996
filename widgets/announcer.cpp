#include "widgets/announcer.h"

#include <QAccessibleWidget>
#include <QTimer>

namespace {

QAccessibleInterface *notificationFactory(const QString &, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(notificationFactory);
        return true;
    }();
    setObjectName(QStringLiteral("announcer"));
    hide();
}

void Announcer::announce(const QString &text)
{
    const QString spoken = text.simplified();
    if (spoken.isEmpty() || !window()->isVisible() || !QAccessible::isActive())
        return;
    if (m_pending.isEmpty())
        QTimer::singleShot(0, this, &Announcer::tell);
    m_pending << spoken;
}

void Announcer::tell()
{
    setAccessibleName(m_pending.join(QStringLiteral(". ")));
    m_pending.clear();
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
