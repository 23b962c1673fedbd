#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QObject;

namespace projcalc::app {

// What the projcalc-channel module offers the program: the channel between its copies
// (instance_channel.h). It is a module of its own, loaded only once the window is up or when a
// later start hands its file over, because Qt Network and the libraries it pulls in would add
// about two milliseconds and over a megabyte to every start-up of the window.
struct ChannelApi {
    // Listens in `folder` for later starts (replacing a socket a crashed copy left there); each
    // request calls `onRequest` with its file (the bytes of its absolute path), or nothing to
    // come to the front. The server belongs to `parent`. False, with `error` set, when no socket
    // can be made.
    bool (*listen)(const QString& folder, QObject* parent,
                   std::function<void(const QByteArray&)> onRequest, QString* error);
    // Hands `file` to the copy listening in `folder`; true once that copy acknowledged it.
    bool (*send)(const QString& folder, const QByteArray& file, int timeoutMs);
};

// The module's one exported function.
using ChannelApiEntry = const ChannelApi* (*)();
inline constexpr const char* kChannelApiEntry = "projcalcChannelApi";

// The module, loaded on first use from the program's folder (a build) or from the folder it is
// installed to beside it; nothing, with the reason on standard error, when it cannot be loaded.
[[nodiscard]] const ChannelApi* channelApi();

}  // namespace projcalc::app
