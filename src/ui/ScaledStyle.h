#pragma once
// The desktop's style with its check marks and option circles grown by the layout factor, so
// on a large screen they stay in proportion to their captions.

#include <QProxyStyle>

class ScaledStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps the application's style; a factor of 1 or less changes nothing.
    explicit ScaledStyle(double factor, QObject* parent);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double factor_;
};
