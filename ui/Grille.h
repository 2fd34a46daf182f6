#pragma once
// The value choosers of the parameter grid: which item shows a stored value
// and which value an item stores. Row j of the grid is slot j of a
// parametric system's record.

namespace korvalo {

// Number of items of the chooser of row 1..25.
int NombreChoix(int rang);

// The value that item `indice` (from 0) of row `rang` stores. Row 2 is a
// switch whose " 1" stores 0.5.
float ValeurChoix(int rang, int indice);

// The item that shows the stored value v in row `rang`; -1 when v is none of
// the row's values (a hand-edited file): the chooser then shows no item.
int IndiceChoix(int rang, float v);

}  // namespace korvalo
