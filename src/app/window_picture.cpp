#include "app/window_picture.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QPaintDevice>
#include <QWidget>
#include <QWindow>
#include <cstdint>

namespace projcalc::app {
namespace {

// Makes the pages of [data, data + size) present and writable in one system call.
bool populate(const uchar* data, qsizetype size) {
#ifdef MADV_POPULATE_WRITE
    const long page = sysconf(_SC_PAGESIZE);
    if (data == nullptr || size <= 0 || page <= 0) return false;
    // From the start of the page the pixels begin in: populating a page changes nothing in it.
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = start - start % static_cast<std::uintptr_t>(page);
    const std::uintptr_t end = start + static_cast<std::uintptr_t>(size);
    // An address, not a pointer into the pixels: the page may begin before them.
    void* first = reinterpret_cast<void*>(begin);  // NOLINT(performance-no-int-to-ptr)
    return madvise(first, end - begin, MADV_POPULATE_WRITE) == 0;
#else
    (void)data;
    (void)size;
    return false;
#endif
}

// Populates the window's picture on its first expose, then goes.
class PictureOnExpose : public QObject {
  public:
    explicit PictureOnExpose(QWidget& window) : QObject(&window), window_(window) {
        window.windowHandle()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle() == watched &&
            window_.windowHandle()->isExposed()) {
            (void)populateWindowPicture(window_);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& window_;
};

}  // namespace

bool populateWindowPicture(QWidget& window) {
    QBackingStore* store = window.isWindow() ? window.backingStore() : nullptr;
    if (store == nullptr) return false;
    // The size Qt gives the picture before it paints the window (the window's own size), so that
    // it keeps this one.
    if (store->size() != window.size()) store->resize(window.size());
    const QPaintDevice* device = store->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) return false;
    const auto* image = static_cast<const QImage*>(device);
    return populate(image->constBits(), image->sizeInBytes());
}

void populatePictureOnFirstExpose(QWidget& window) {
    if (window.isWindow() && window.windowHandle() != nullptr) new PictureOnExpose(window);
}

}  // namespace projcalc::app
