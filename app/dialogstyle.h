#pragma once

#include <QProxyStyle>

namespace nablo {

// The desktop's style, except that dialog buttons keep one order on every desktop: Yes before
// No, so the game's questions read the same everywhere.
class DialogStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace nablo
