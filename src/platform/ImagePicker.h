#pragma once
// The platform's image picker: a photo from the library (a file dialog on the
// desktop) or from the camera, then a square crop when editing is allowed; without
// editing the chosen file is handed over undecoded, for the caller to read off the
// main thread. The view binds to its state and drives it with chooseFile, setCropRect,
// finishCropping and cancel; tests drive it the same way.

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QUrl>

class ImagePicker : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool choosingFile READ isChoosingFile NOTIFY stateChanged)
    Q_PROPERTY(bool cropping READ isCropping NOTIFY stateChanged)
    Q_PROPERTY(QUrl imageUrl READ imageUrl NOTIFY stateChanged)
    Q_PROPERTY(QSize imageSize READ imageSize NOTIFY stateChanged)
    Q_PROPERTY(QRect cropRect READ cropRect WRITE setCropRect NOTIFY cropRectChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY stateChanged)
public:
    enum class SourceType { PhotoLibrary, Camera };
    // Larger pictures are refused rather than decoded into hundreds of megabytes.
    static constexpr qint64 kMaxPixels = 40'000'000;
    static inline const QString kUnreadableImage = QStringLiteral("无法读取这张图片");

    explicit ImagePicker(QObject *parent = nullptr);

    // The desktop build has no capture backend, so only the library is available.
    static bool isSourceTypeAvailable(SourceType source);
    // The picture in `file`, upright as its EXIF data says; null when it is unreadable or
    // larger than kMaxPixels. Safe on any thread.
    static QImage readImage(const QUrl &file);

    // Opens the picker for `source`; false, and nothing opens, when it is unavailable.
    bool present(SourceType source, bool allowsEditing);
    bool isPresented() const { return state_ != State::Idle; }

    bool isChoosingFile() const { return state_ == State::ChoosingFile; }
    bool isCropping() const { return state_ == State::Cropping; }
    QUrl imageUrl() const { return imageUrl_; }
    QSize imageSize() const { return image_.size(); }
    QRect cropRect() const { return cropRect_; }
    QString errorText() const { return errorText_; }

    // The file chosen in the dialog. With editing, an unreadable one leaves the dialog open.
    Q_INVOKABLE void chooseFile(const QUrl &file);
    // A square inside the image; other rectangles are made so.
    Q_INVOKABLE void setCropRect(const QRect &rect);
    Q_INVOKABLE void finishCropping();
    Q_INVOKABLE void cancel();

signals:
    void didFinishPickingImage(const QImage &image);
    // Without editing: the chosen file, not yet read.
    void didFinishPickingFile(const QUrl &file);
    void didCancel();
    void stateChanged();
    void cropRectChanged();

private:
    enum class State { Idle, ChoosingFile, Cropping };
    void setState(State state);
    void finish(const QImage &image);
    void reset();

    State state_ = State::Idle;
    bool allowsEditing_ = false;
    QImage image_;
    QUrl imageUrl_;
    QRect cropRect_;
    QString errorText_;
};
