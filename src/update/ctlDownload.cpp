#include "ctlDownload.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <algorithm>

ctlDownload::ctlDownload(qint64 maxBytes, QObject* parent)
    : QObject(parent), manager_(new QNetworkAccessManager(this)), maxBytes_(maxBytes)
{
    // A server that stops sending for this long has failed the request.
    manager_->setTransferTimeout();
}

ctlDownload::~ctlDownload()
{
    for (const QString& xurl : active_.keys())
        CancelDownload(xurl);
}

void ctlDownload::Download(const QString& xurl)
{
    if (active_.contains(xurl)) return;
    const QUrl url(xurl, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        // Reported from the event loop, as every other end is, after the caller has moved on.
        QMetaObject::invokeMethod(
            this, [this, xurl] { emit finished(xurl, Failed, {}); }, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager_->get(request);
    active_.insert(xurl, Request{reply, {}});
    connect(reply, &QNetworkReply::readyRead, this, [this, xurl] { receive(xurl); });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, xurl, reply](qint64 received, qint64 total) {
                // An announced size past the limit fails at once, before any of it arrives.
                if (total > maxBytes_) {
                    reply->abort();
                    return;
                }
                const float percent =
                    total < 1 ? 0.0f : static_cast<float>(received) / static_cast<float>(total);
                emit Progress(xurl, percent * 100.0f);
            });
    connect(reply, &QNetworkReply::finished, this, [this, xurl] { end(xurl); });
}

void ctlDownload::CancelDownload(const QString& xurl)
{
    const auto it = active_.find(xurl);
    if (it == active_.end()) return;
    QNetworkReply* reply = it->reply;
    active_.erase(it);
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    reply->deleteLater();
}

void ctlDownload::receive(const QString& xurl)
{
    const auto it = active_.find(xurl);
    if (it == active_.end()) return;
    // Only what has arrived: a read asks for the whole length it is given up front.
    it->bytes += it->reply->read(
        std::min(it->reply->bytesAvailable(), maxBytes_ + 1 - it->bytes.size()));
    // Past the limit the request fails, however much more the server would send.
    if (it->bytes.size() > maxBytes_) it->reply->abort();
}

void ctlDownload::end(const QString& xurl)
{
    const auto it = active_.find(xurl);
    if (it == active_.end()) return;
    Request request = std::move(*it);
    active_.erase(it);
    QNetworkReply* reply = request.reply;
    // An abort ends the request from within its own signals: none of the rest may follow the end.
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    if (reply->error() == QNetworkReply::NoError)
        request.bytes += reply->read(maxBytes_ + 1 - request.bytes.size());
    const bool whole = reply->error() == QNetworkReply::NoError &&
                       reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200 &&
                       request.bytes.size() <= maxBytes_;
    // A failed handshake would otherwise be remembered and fail the next attempt as well.
    if (reply->error() == QNetworkReply::SslHandshakeFailedError) manager_->clearConnectionCache();
    emit finished(xurl, whole ? Complete : Failed, whole ? request.bytes : QByteArray());
}
