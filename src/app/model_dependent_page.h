#pragma once

namespace velkor {

// A page with controls that differ for the model with a microcontroller (no connection password,
// saves through the microcontroller). The main window passes each connection's model to every page
// that implements this.
class ModelDependentPage {
 public:
  virtual ~ModelDependentPage() = default;
  virtual void ApplyModelControls(bool microcontrollerModel) = 0;
};

}  // namespace velkor
