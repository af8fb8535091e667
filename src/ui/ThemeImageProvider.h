#pragma once
// The client's own pictures for the views, as "image://nuvora/NAME": the @2x file on a
// doubled screen. Qt Quick reads a qrc: picture only after loading every image format
// plugin of the system; this reads each file in its own format and nothing else.

#include <QQuickImageProvider>

class ThemeImageProvider : public QQuickImageProvider {
public:
    static inline const QString kId = QStringLiteral("nuvora");

    ThemeImageProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The picture NAME of resources/images, its @2x file when `devicePixelRatio` is above
    // 1 and one exists (with that ratio set); null when there is no such picture.
    static QImage image(const QString &name, qreal devicePixelRatio);
};
