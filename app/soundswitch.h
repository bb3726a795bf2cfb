#pragma once

#include <QObject>

namespace nablo {

// Whether the player has turned the sound off, for this run only. The one place that knows:
// the sound service asks it before each sound and hears when it is switched.
class SoundSwitch : public QObject {
    Q_OBJECT
public:
    bool isMuted() const { return muted_; }

    void toggle()
    {
        muted_ = !muted_;
        emit switched(muted_);
    }

signals:
    void switched(bool muted);

private:
    bool muted_ = false;
};

} // namespace nablo
