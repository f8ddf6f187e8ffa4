#include "main.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
    setWindowTitle("Orvex Quillan 2.0 - ");
}
