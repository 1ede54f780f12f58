#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QDBusMessage;
class QDBusPendingCall;
class QDBusPendingCallWatcher;

namespace pomelo {

// The alarm's notice in the desktop's notification centre, through the
// freedesktop notification service on the session bus. No call waits for an
// answer; without a bus or a service nothing shows and nothing fails. No
// notice outlives the gadget's interest in it: one withdrawn or replaced
// before the service answered its post is closed when the answer comes, and
// the program, ending, waits a little for the answers still owed and closes
// what they name. The notice carries the actions Stop and Again, and a click
// on its body does what Stop does; what the user does with our notice is
// told by the signals below, and what is done with other notices is none of
// ours. Only the service that answered the post is heard about it and asked
// to close it: a process that takes the service's name later cannot act on
// our notice.
class DesktopNotice : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotice(QObject *parent = nullptr);
    ~DesktopNotice() override;

    // Posts a critical notice (it stays until withdrawn), replacing ours if
    // one is up; one whose post is still unanswered is replaced, under the
    // same id, once the answer names it.
    void post(const QString &text);
    // Withdraws our notice, also one whose post is still unanswered.
    void withdraw();

Q_SIGNALS:
    void stopChosen();
    void againChosen();
    // The user closed the notice; it is gone.
    void dismissed();

private Q_SLOTS:
    void actionInvoked(quint32 id, const QString &action, const QDBusMessage &signal);
    void notificationClosed(quint32 id, quint32 reason, const QDBusMessage &signal);

private:
    // Hears the service's signals only while a notice of ours is up or on
    // its way, so that other programs' notices never wake the gadget.
    void listen(bool on);
    void answered(QDBusPendingCallWatcher *post);
    // Asks the service at `owner` (a connection's unique name) to close it.
    void close(quint32 id, const QString &owner);
    bool isOurs(quint32 id, const QDBusMessage &signal) const;
    // Keeps the call among `calls` until it is answered.
    QDBusPendingCallWatcher *watch(const QDBusPendingCall &call,
                                   QList<QDBusPendingCallWatcher *> &calls);

    quint32 id_ = 0; // the service's id of our notice that is up, 0 for none
    QString owner_;  // the service's connection that gave that id
    bool listening_ = false;
    QDBusPendingCallWatcher *wanted_ = nullptr; // the post whose notice is to stay up
    QString replacement_;                    // the text for that notice once it is answered, if any
    QList<QDBusPendingCallWatcher *> posts_; // not answered yet
    QList<QDBusPendingCallWatcher *> closes_; // not answered yet
};

} // namespace pomelo
