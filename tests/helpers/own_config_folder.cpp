// Linked into every GUI test: the process keeps what the window remembers (QSettings) in a
// folder of its own, made before anything reads it and removed when the process ends, so that
// nothing remembered comes from the machine's user or from another test, and nothing is left
// behind. Programs the test starts inherit it.
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

void useOwnConfigFolder() {
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
}
Q_CONSTRUCTOR_FUNCTION(useOwnConfigFolder)

}  // namespace
