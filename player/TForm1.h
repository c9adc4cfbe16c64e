#pragma once
// The player's only window: the numbered pictures of the current folder, one
// after another on a timer, with first/previous/pause/next/last buttons.
#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace demo {

class Picture : public QWidget {
public:
    using QWidget::QWidget;
    QImage image;

protected:
    void paintEvent(QPaintEvent*) override;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    Picture* Image1;
    QPushButton *Button1, *Button2, *BitBtn1, *Button4, *Button5;
    QWidget* Panel1;
    QLineEdit* Edit1;
    QLabel* Panel2; // the counter: number of the current picture
    QTimer* Timer1;

    // How an unreadable picture is reported (a message box in the program).
    std::function<void(const std::string&)> showError;

    int Counter() const;
    void ShowSlide();
    void FormShow();
    void Button1Click();
    void Button2Click();
    void Button4Click();
    void Button5Click();
    void Timer1Timer();
    void BitBtn1Click();
    void Edit1Change();

    static std::string SlideFile(int n) { return std::to_string(n) + ".jpg"; }
    static bool SlideExists(int n);

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void SetCounter(int n);
    void SetPauseButton(bool running);
    bool shown_ = false;
    bool reporting_ = false;
};

} // namespace demo
