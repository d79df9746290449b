// "Enter digits": a fresh random position in the cell fields.
#include "app/cell_fields.h"
#include "app/commands.h"
#include "engine/generator.h"

void EnterDigits() {
  ClearCellFields();
  GeneratePosition();
  WriteCells();
}
