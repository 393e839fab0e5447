#include "application.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "handler_guard.h"
#include "layer/application.h"

namespace {

template <typename Form>
void deleteForm(Form *&form)
{
    delete form;
    form = nullptr;
}

void createMainForm()
{
    Form1 = new TForm1;
    runGuarded([] { Form1->FormCreate(); });
}

void createHiddenForms()
{
    if (Form2)
        return;
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
}

} // namespace

void createForms()
{
    createMainForm();
    createHiddenForms();
}

void startForms()
{
    createMainForm();
    ui::afterFirstFrame(*Form1, createHiddenForms);
    Form1->show();
}

void ui::endPolitely()
{
    // Every polite ending is the close symbol, whose close handler stores the
    // emulator folders. With no main window there is nothing to store.
    if (Form1)
        runGuarded([] { Form1->Image3Click(); });
}

void destroyForms()
{
    deleteForm(Form4);
    deleteForm(Form3);
    deleteForm(Form2);
    deleteForm(Form1);
}
