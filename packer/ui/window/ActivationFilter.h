// Re-reads the file browser whenever the program becomes the active
// application again, so that files made or removed meanwhile show up.
#pragma once

#include <QObject>

#include <functional>

namespace lumafold {

class ActivationFilter : public QObject {
    Q_OBJECT
public:
    explicit ActivationFilter(std::function<void()> onActivated, QObject* parent = nullptr)
        : QObject(parent), onActivated_(std::move(onActivated)) {}

    void Hook();
    void Unhook();
    bool Hooked() const { return hooked_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> onActivated_;
    bool hooked_ = false;
};

} // namespace lumafold
