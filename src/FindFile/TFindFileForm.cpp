#include "TFindFileForm.h"

TFindFileForm::TFindFileForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quendal"));
    resize(624, 381);
}
