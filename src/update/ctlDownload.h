#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches web addresses in the background into memory, each request known by its URL. Progress
// and the end of each request arrive as signals on the thread that owns the control. Requests
// still running when the control ends are cancelled.
class ctlDownload : public QObject {
    Q_OBJECT

public:
    // The status of a request that received all its data (HTTP 200, no network error); any other
    // status is a failure.
    static constexpr int Complete = 6;
    static constexpr int Failed = 0;

    // A request whose body grows past maxBytes fails rather than filling the memory.
    explicit ctlDownload(qint64 maxBytes, QObject* parent = nullptr);
    ~ctlDownload() override;

    // Starts fetching xurl afresh, never from a cache. A URL already being fetched is not asked
    // for twice. Only http and https are fetched: any other address, or a redirect from https to
    // http, ends as a failed request.
    void Download(const QString& xurl);
    // Stops the request for xurl, which then reports nothing more.
    void CancelDownload(const QString& xurl);

signals:
    // Percent of the announced size received so far; 0 when no size is announced.
    void Progress(const QString& request, float percent);
    // The request has ended; value holds the bytes when status is Complete.
    void finished(const QString& request, int status, const QByteArray& value);

private:
    struct Request {
        QNetworkReply* reply = nullptr;
        QByteArray bytes;
    };
    void receive(const QString& xurl);
    void end(const QString& xurl);

    QNetworkAccessManager* manager_;
    QHash<QString, Request> active_;
    qint64 maxBytes_;
};
