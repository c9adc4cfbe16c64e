#pragma once
// The application object: an error that reaches the event loop is shown in a
// message box with its text and the program goes on with the next event.
// Qt's own words are shown in Romanian.
#include <QApplication>

namespace zv {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace zv
