#pragma once
// What the venue screens' view tests share: a client window per test (ClientWindow), fixtures whose
// pictures the loopback server serves, finding visible items by name or label, real clicks at their
// centres, and screenshots taken once nothing moves and every remote picture has come.

#include "ClientWindow.h"
#include "Fixtures.h"
#include "app/AppShell.h"
#include "model/Session.h"
#include "ui/SDWebImageManager.h"
#include "ui/WebImage.h"

#include <QBuffer>
#include <QImage>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

class VenueViewHarness {
protected:
    void setUpWindow()
    {
        client_ = std::make_unique<ClientWindow>();
        // Pictures come from the loopback server (fixture() serves those of its replies).
        SDWebImageManager::install(test().context());
        test().context().session().userLocation = QGeoCoordinate(31.2310, 121.4745);
        client_->open();
        window_ = client_->window();
    }

    void tearDownWindow()
    {
        window_ = nullptr;
        client_->close();
        client_.reset();
    }

    ClientTestContext &test() { return client_->test(); }

    QByteArray fixture(const QString &name)
    {
        const QByteArray text =
            Fixtures::bytes(name).replace("http://img.nuvora.cn", test().api().baseUrl().toUtf8());
        // Every picture it names, at each size the client asks for, served as a plain tile.
        static const QRegularExpression address(
            QStringLiteral("\"http://127\\.0\\.0\\.1:\\d+(/[^\"]+)\""));
        for (const QRegularExpressionMatch &match : address.globalMatch(QString::fromUtf8(text))) {
            const QString path = match.captured(1);
            QImage tile(240, 160, QImage::Format_RGB32);
            tile.fill(QColor::fromHsv(int(qHash(path) % 360), 150, 170));
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            tile.save(&buffer, "PNG");
            ScriptedReply picture;
            picture.headers = {{"Content-Type", "image/png"}};
            picture.body = png;
            for (const char *size : {"", "!100", "!160", "!200"})
                test().api().setReply(path + QLatin1String(size), picture);
        }
        return text;
    }

    void screenshot(const QString &name)
    {
        // No screen slides, and every remote picture has come or failed.
        QVERIFY(client_->phone().waitUntilIdle());
        QTRY_VERIFY(!find([](QQuickItem *item) {
            auto *image = qobject_cast<WebImage *>(item);
            return image && !image->url().isEmpty() && !image->loaded() && !image->failed();
        }));
        QVERIFY(client_->phone().saveScreenshot(name));
    }

    QQuickItem *find(const std::function<bool(QQuickItem *)> &match) const
    {
        // The visual tree, depth first; hidden branches are skipped.
        QList<QQuickItem *> pending{window_->contentItem()};
        while (!pending.isEmpty()) {
            QQuickItem *item = pending.takeLast();
            if (!item->isVisible())
                continue;
            if (match(item))
                return item;
            pending << item->childItems();
        }
        return nullptr;
    }

    QQuickItem *named(const QString &objectName) const
    {
        return find([&objectName](QQuickItem *item) { return item->objectName() == objectName; });
    }

    QQuickItem *labelled(const QString &label) const
    {
        return find(
            [&label](QQuickItem *item) { return item->property("label").toString() == label; });
    }

    [[nodiscard]] bool click(QQuickItem *item)
    {
        if (!item)
            return false;
        const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        QTest::mouseClick(window_, Qt::LeftButton, {}, centre.toPoint());
        return true;
    }

    std::unique_ptr<ClientWindow> client_;
    QQuickWindow *window_ = nullptr;
};
