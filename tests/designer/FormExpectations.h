// What the example form sets, checked the same way on the form uic compiled
// and on the one QUiLoader built at run time.
#pragma once

#include <QWidget>

// Every component of the form is there under its object name and class,
// and every property the form sets reads back: numbers and texts as set,
// enumerations by value name, colors as $00BBGGRR.
void ExpectFormProperties(const QWidget& Form);

// Shown in its layout at its natural size, every component gets at least
// its minimum size hint.
void ExpectNaturalSizes(QWidget& Form);
