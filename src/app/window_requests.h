#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <filesystem>

namespace projcalc::ui {
class MainWindow;
}

namespace projcalc::app {

// Carries out what later starts of the program ask of the running window: come to the front and
// open a calculation file as File > Open would, its messages shown in this window. Requests wait
// until start() (the window has finished its own start-up) and while a modal dialog or message
// box is open, so that a file never opens in the middle of another command.
class WindowRequests : public QObject {
  public:
    explicit WindowRequests(ui::MainWindow& window);

    // The window is up: requests that came early are carried out now.
    void start();
    // `file` is an absolute path, or empty to only bring the window to the front. A path is
    // passed on to the calculator as the bytes it is; it becomes text only to be shown.
    void add(const std::filesystem::path& file);
    // The same for a path given as text.
    void add(const QString& file);

  private:
    void process();
    void bringToFront();

    ui::MainWindow& window_;
    std::deque<std::filesystem::path> pending_;
    QTimer retry_;  // looks again for a closed modal dialog
    bool started_ = false;
    bool busy_ = false;  // an open in progress may run an event loop that delivers more requests
};

}  // namespace projcalc::app
