// Form2, the about box: "バージョン情報" with a picture and two buttons.
#pragma once

#include <QDialog>
#include <QImage>

namespace murokan::platform {

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    // Result codes of exec().
    enum Result { kOk = 1, kHomePage = 2 };
    explicit AboutBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace murokan::platform
