#include "TFindFileForm.h"

// The commands that hand a found file to other programs.

void TFindFileForm::OpenButtonClick() {}
void TFindFileForm::ViewButtonClick() {}
void TFindFileForm::LogFileButtonClick() {}
void TFindFileForm::HelpButtonClick() {}
void TFindFileForm::TrialURLLabelClick() {}
