// The projcalc-channel module: the channel between copies of the program behind ChannelApi.
#include "app/channel_module.h"

#include <QObject>

#include "app/instance_channel.h"

namespace {

bool listenForLaterStarts(const QString& folder, QObject* parent,
                          std::function<void(const QByteArray&)> onRequest, QString* error) {
    auto* server = new projcalc::app::InstanceServer(folder, parent);
    // Queued: a file opens from the event loop, not inside the socket's handler, whatever
    // message boxes its opening shows.
    QObject::connect(server, &projcalc::app::InstanceServer::requested, parent,
                     std::move(onRequest), Qt::QueuedConnection);
    if (server->listen()) return true;
    if (error != nullptr) *error = server->errorString();
    server->deleteLater();
    return false;
}

}  // namespace

extern "C" Q_DECL_EXPORT const projcalc::app::ChannelApi* projcalcChannelApi() {
    static const projcalc::app::ChannelApi api{&listenForLaterStarts,
                                               &projcalc::app::sendToRunningInstance};
    return &api;
}
