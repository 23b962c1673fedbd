#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <cstdio>

#include "app/channel_module.h"

namespace projcalc::app {

const ChannelApi* channelApi() {
    static const ChannelApi* const api = []() -> const ChannelApi* {
        const QDir programFolder(QCoreApplication::applicationDirPath());
        QString reasons;
        for (const QString& folder :
             {programFolder.path(),
              programFolder.filePath(QStringLiteral(PROJCALC_CHANNEL_MODULE_DIR))}) {
            // QLibrary adds the platform's prefix and suffix to the name.
            QLibrary module(QDir(folder).filePath(QStringLiteral("projcalc-channel")));
            const auto entry = reinterpret_cast<ChannelApiEntry>(module.resolve(kChannelApiEntry));
            if (entry != nullptr) return entry();
            reasons += QStringLiteral("\n  ") + module.errorString();
        }
        std::fprintf(stderr, "projcalc: the projcalc-channel module cannot be loaded:%s\n",
                     qUtf8Printable(reasons));
        return nullptr;
    }();
    return api;
}

}  // namespace projcalc::app
