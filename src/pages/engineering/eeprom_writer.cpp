#include "pages/engineering/eeprom_writer.h"

#include "pages/engineering/eeprom_image.h"

namespace velkor {

Outcome EepromWriter::Button18Click(const std::string& path) {
  const auto image = ReadImageFile(path);
  if (!image) {
    c_.prompter.Plain("File Does Not Exist");
    return Outcome::kRefused;
  }
  // Addresses wrap at the end of the EEPROM: the tail of a larger file would overwrite its start.
  if (!FitsEeprom(*image)) {
    c_.prompter.Plain("Image File Larger Than The EEPROM (" + std::to_string(kEepromSize) + " Bytes)");
    return Outcome::kRefused;
  }
  c_.busy.Begin();
  auto bar = c_.progress.ShowProgress(kBurnSteps * static_cast<int>(image->size()));
  const auto failure = BurnImage(c_.transport.access, *image, bar.get());
  bar.reset();
  c_.busy.End();
  if (failure) {
    c_.prompter.Plain("EEPROM Writes Failed, Byte: " + std::to_string(failure->address));
    return failure->answered ? Outcome::kNotVerified : Outcome::kNoAnswer;
  }
  c_.prompter.Plain("EEPROM Writes Succeed");
  return Outcome::kDone;
}

}  // namespace velkor
