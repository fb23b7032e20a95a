#pragma once
// A web site on 127.0.0.1 inside the test process: it answers every request with the response it
// was given, or never answers at all. It serves while the code under test runs its event loop.

#include <QByteArray>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace dialogs_test {

// An HTTP/1.1 response that closes the connection after the body. Without a declared length the
// body simply ends with the connection.
inline QByteArray HttpResponse(int status, const QByteArray& body, bool declareLength = true) {
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) +
                          (status == 200 ? " OK" : " Not Found") +
                          "\r\nContent-Type: text/plain\r\nConnection: close\r\n";
    if (declareLength)
        response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return response + "\r\n" + body;
}

class LocalSite : public QObject {
public:
    LocalSite() {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, &LocalSite::Accept);
    }

    bool IsListening() const { return server_.isListening(); }
    QString Address() const {
        return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort());
    }

    // The response to every request from now on; an empty one means never answering.
    void Answer(const QByteArray& response) { response_ = response; }

    // The request lines received ("GET /version.txt HTTP/1.1").
    QList<QByteArray> requests;
    // Called on each request once its line is recorded, before any answer.
    std::function<void()> onRequest = [] {};

private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
        }
    }

    void Serve(QTcpSocket* socket) {
        QByteArray& received = received_[socket];
        received += socket->readAll();
        if (!received.contains("\r\n\r\n"))
            return;
        requests << received.left(received.indexOf("\r\n"));
        received.clear();
        onRequest();
        if (response_.isEmpty())
            return;
        socket->write(response_);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QByteArray response_;
    QHash<QTcpSocket*, QByteArray> received_;
};

// An address on 127.0.0.1 where nothing listens: the connection is refused.
inline QString RefusingAddress() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    const quint16 port = server.serverPort();
    server.close();
    return QStringLiteral("http://127.0.0.1:%1/").arg(port);
}

} // namespace dialogs_test
