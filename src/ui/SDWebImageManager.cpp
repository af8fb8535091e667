#include "SDWebImageManager.h"

#include "SDImageCache.h"
#include "SDWebImageDownloader.h"
#include "platform/AppContext.h"
#include "platform/NetworkAccess.h"
#include "platform/NotificationCenter.h"
#include "platform/WebAddress.h"

#include <algorithm>

namespace {

const QString kNotAnImage = QStringLiteral("downloaded data is not an image");

} // namespace

SDWebImageManager::SDWebImageManager(SDImageCache *cache, QNetworkAccessManager *network,
                                     NotificationCenter *notifications, QObject *parent)
    : QObject(parent), cache_(cache), network_(network), notifications_(notifications),
      downloadTimeoutMs_(SDWebImageDownloader::kTimeoutMs)
{
}

SDWebImageManager::~SDWebImageManager()
{
    for (const auto &connection : std::as_const(watched_))
        disconnect(connection);
}

SDWebImageManager *SDWebImageManager::sharedManager()
{
    AppContext *context = AppContext::current();
    return context && context->hasImageManager() ? &context->imageManager() : nullptr;
}

SDWebImageManager &SDWebImageManager::install(AppContext &context)
{
    auto &cache = context.own(std::make_unique<SDImageCache>(context.cachesDirectory()));
    auto &manager = context.own(std::make_unique<SDWebImageManager>(
        &cache, &context.network().manager(), &context.notifications()));
    context.setImageLoader(&manager, &cache);
    return manager;
}

void SDWebImageManager::downloadWithURL(const QUrl &url, QObject *requester, Answer answer,
                                        int options)
{
    downloadWithURL(url.toString(QUrl::FullyEncoded), requester, std::move(answer), options);
}

void SDWebImageManager::downloadWithURL(const QString &url, QObject *requester, Answer answer,
                                        int options)
{
    // Only web images: an address naming a local file, inline data or a resource is
    // neither fetched nor read, and the requester keeps its placeholder.
    if (!requester || !WebAddress::isWeb(QUrl(url)))
        return;
    if (!(options & RetryFailed) && failedURLs_.contains(url))
        return;

    watch(requester);
    cacheWaiters_.push_back({requester, url, std::move(answer), options, nullptr});
    cache_->queryDiskCacheForKey(url, this, [this, requester, url, options](const QImage &image) {
        cacheDidAnswer(requester, url, options, image);
    });
}

void SDWebImageManager::cacheDidAnswer(QObject *requester, const QString &key, int options,
                                       const QImage &image)
{
    const auto it = std::find_if(cacheWaiters_.begin(), cacheWaiters_.end(), [&](const Waiter &w) {
        return w.requester == requester && w.key == key;
    });
    if (it == cacheWaiters_.end())
        return; // cancelled meanwhile
    Waiter waiter = std::move(*it);
    cacheWaiters_.erase(it);

    if (!image.isNull()) {
        waiter.answer(image, QString());
        return;
    }

    SDWebImageDownloader *downloader = downloaderForURL_.value(key);
    const bool lowPriority = options & LowPriority;
    if (downloader) {
        downloader->setOptions(options);
        downloader->setLowPriority(lowPriority);
    } else {
        downloader = new SDWebImageDownloader(QUrl(key), options, lowPriority, network_,
                                              notifications_, this);
        downloader->setTimeoutInterval(downloadTimeoutMs_);
        connect(downloader, &SDWebImageDownloader::didFinishWithImage, this,
                &SDWebImageManager::downloaderDidFinish);
        connect(downloader, &SDWebImageDownloader::didFailWithError, this,
                &SDWebImageManager::downloaderDidFail);
        downloaderForURL_.insert(key, downloader);
    }
    waiter.downloader = downloader;
    downloadWaiters_.push_back(std::move(waiter));
}

std::vector<SDWebImageManager::Waiter>
SDWebImageManager::takeWaitersOf(SDWebImageDownloader *downloader)
{
    // Answered from the last waiter to the first.
    std::vector<Waiter> taken;
    for (auto it = downloadWaiters_.rbegin(); it != downloadWaiters_.rend(); ++it) {
        if (it->downloader == downloader)
            taken.push_back(std::move(*it));
    }
    std::erase_if(downloadWaiters_,
                  [downloader](const Waiter &w) { return w.downloader == downloader; });
    return taken;
}

void SDWebImageManager::forgetDownloader(SDWebImageDownloader *downloader)
{
    for (auto it = downloaderForURL_.begin(); it != downloaderForURL_.end();) {
        it = it.value() == downloader ? downloaderForURL_.erase(it) : std::next(it);
    }
    downloader->deleteLater();
}

void SDWebImageManager::downloaderDidFinish(SDWebImageDownloader *downloader, const QImage &image)
{
    // The cache and the address table are settled before anyone hears of the result, so
    // that a requester asking again from its answer finds the image or a fresh download.
    const QString key = downloaderForURL_.key(downloader);
    const int options = downloader->options();
    if (!image.isNull())
        cache_->storeImage(image, downloader->imageData(), key, !(options & CacheMemoryOnly));
    else if (!(options & RetryFailed))
        failedURLs_.insert(key);
    std::vector<Waiter> waiters = takeWaitersOf(downloader);
    forgetDownloader(downloader);

    for (Waiter &waiter : waiters)
        waiter.answer(image, image.isNull() ? kNotAnImage : QString());
}

void SDWebImageManager::downloaderDidFail(SDWebImageDownloader *downloader, const QString &error)
{
    std::vector<Waiter> waiters = takeWaitersOf(downloader);
    forgetDownloader(downloader);
    for (Waiter &waiter : waiters)
        waiter.answer(QImage(), error);
}

void SDWebImageManager::cancelForDelegate(QObject *requester)
{
    std::erase_if(cacheWaiters_, [requester](const Waiter &w) { return w.requester == requester; });

    QSet<SDWebImageDownloader *> affected;
    std::erase_if(downloadWaiters_, [&](const Waiter &w) {
        if (w.requester != requester)
            return false;
        affected.insert(w.downloader);
        return true;
    });
    for (SDWebImageDownloader *downloader : affected) {
        const bool stillWanted =
            std::any_of(downloadWaiters_.begin(), downloadWaiters_.end(),
                        [downloader](const Waiter &w) { return w.downloader == downloader; });
        if (!stillWanted) {
            downloader->cancel();
            forgetDownloader(downloader);
        }
    }
}

QImage SDWebImageManager::imageWithURL(const QString &url)
{
    return cache_->imageFromKey(url);
}

void SDWebImageManager::watch(QObject *requester)
{
    if (watched_.contains(requester))
        return;
    watched_.insert(requester, connect(requester, &QObject::destroyed, this, [this, requester] {
                        watched_.remove(requester);
                        cancelForDelegate(requester);
                    }));
}
