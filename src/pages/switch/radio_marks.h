#pragma once

class QRadioButton;

namespace velkor {

// Checks or unchecks a radio button and draws its caption bold when checked. Unchecking every
// button of a group is allowed: a value the switch did not give shows no choice.
void MarkRadio(QRadioButton* button, bool checked);

}  // namespace velkor
