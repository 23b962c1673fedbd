#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace projcalc {
struct InterfaceTexts;
}

namespace projcalc::ui {

// The About dialog (frmSplash): the program's title in the interface font, "Version " and the
// version text exactly as read, the logo, and an OK button that closes it. The version is read by
// the caller at every opening; this dialog only shows it.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    AboutDialog(const InterfaceTexts& texts, const std::string& version, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The logo rendered for the pixel ratio of the screen the dialog is on.
    void refreshLogo();

    QLabel* logo_ = nullptr;
};

}  // namespace projcalc::ui
