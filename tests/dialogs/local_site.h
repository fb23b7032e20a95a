#pragma once
// A web site on 127.0.0.1 answering every request with the response given, or never.

#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace dialogs_test {

// An HTTP/1.1 response that closes the connection (ending the body when no length is given).
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
        address_ = QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort());
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
            }
        });
    }

    QString Address() const { return address_; }
    // From now on the connections to the address are refused.
    void Close() { server_.close(); }

    QByteArray response;
    QList<QByteArray> requests;              // their first lines ("GET /version.txt HTTP/1.1")
    std::function<void()> onRequest = [] {}; // once the request has arrived, before any answer

private:
    void Serve(QTcpSocket* socket) {
        QByteArray& received = received_[socket];
        received += socket->readAll();
        if (!received.contains("\r\n\r\n"))
            return;
        requests << received.left(received.indexOf("\r\n"));
        received.clear();
        onRequest();
        if (!response.isEmpty()) {
            socket->write(response);
            socket->disconnectFromHost();
        }
    }

    QTcpServer server_;
    QString address_;
    QHash<QTcpSocket*, QByteArray> received_;
};

} // namespace dialogs_test
