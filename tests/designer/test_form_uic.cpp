// The example form compiled by uic: the generated code creates every
// component and sets the form's properties through Qt's property system.
#include "FormExpectations.h"
#include "ui_ComponentsForm.h"

#include <gtest/gtest.h>

TEST(FormCompiledByUic, SetsEveryPropertyOfTheForm)
{
    QWidget Form;
    Ui::ComponentsForm Ui;
    Ui.setupUi(&Form);
    ExpectFormProperties(Form);
    ExpectNaturalSizes(Form);
}
