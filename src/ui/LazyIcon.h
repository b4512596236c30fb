#pragma once
// A window icon read from its file only when the platform first asks for a picture of it. An
// icon built from a file reads and decodes it at once; the offscreen platform never asks.

#include <QIcon>
#include <QIconEngine>
#include <QSize>
#include <QString>

#include <optional>

class LazyIconEngine : public QIconEngine {
public:
    // The file holds one square picture of the given side.
    LazyIconEngine(QString file, int side);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }
    QIconEngine* clone() const override;

private:
    QIcon& loaded();

    QString file_;
    int side_;
    std::optional<QIcon> icon_;
};

// The icon of the given file, read when first drawn.
QIcon lazyIcon(const QString& file, int side);
