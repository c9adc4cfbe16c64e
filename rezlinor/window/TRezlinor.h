#pragma once
#include <QMainWindow>
namespace rz {
class TRezlinor : public QMainWindow {
public:
    void OpenFile(const QString&) {}
};
}
