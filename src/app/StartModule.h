#pragma once

#include <memory>
#include <QLockFile>
#include <QSize>
#include <QString>

// The program's start and end: one instance at a time, and a screen narrower than 1024
// pixels switched to 1024 x 768 for the session and put back at the end.

// The display-mode services: the primary screen's size and changing it.
class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    virtual QSize screenSize() const = 0;
    virtual void changeResolution(int width, int height) = 0;
};

// The real one: the size from the primary screen; the change through XRandR on X11, and
// nothing on platforms that cannot change it.
class SystemDisplayModes : public DisplayModes {
public:
    QSize screenSize() const override;
    void changeResolution(int width, int height) override;
};

namespace StartModule {

inline const QString AlreadyRunning = QStringLiteral("Verbaloom Already Running");
inline const QString ChangingResolution = QStringLiteral("Changing Resolution to 1024 x 768");

// The screen width read at start-up; -1 when the resolution was left alone.
extern float savedScreenWidth;
extern float savedScreenHeight;

void GetScreenSize(const DisplayModes& modes);
// Whether start-up switches the screen: only the width counts.
bool needsResolutionChange(float width);
void ChangeResolution(DisplayModes& modes, float width, float height);
// Puts the screen back at exit when start-up changed it.
void restoreResolution(DisplayModes& modes);

} // namespace StartModule

// Refuses a second instance on the same word database, whoever started it and from which
// session: the lock lies beside the file ("dbnk.db.lock"), where only those who can change
// the file can make it. A crashed instance's lock is taken over at once. In a folder that
// cannot be written there is nothing to guard, and no lock is needed.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    bool isFirst() const { return locked_; }
    static QString defaultLockPath();

private:
    QLockFile lock_;
    bool locked_ = false;
};
