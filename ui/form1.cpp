// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include "model/colours.h"
#include "model/texts.h"
#include "plots/chain.h"
#include "ui/about_window.h"
#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/study_window.h"

#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QScrollBar>
#include <exception>

namespace kestrel {

Form1::Form1(const TableLoader& loader) {
    buildControls();
    Form_Load(loader);
}

Form1::~Form1() = default;

// Closing the main window closes the study window with it.
void Form1::closeEvent(QCloseEvent* event) {
    if (study_) {
        study_->close();
    }
    QMainWindow::closeEvent(event);
}

void Form1::Form_Load(const TableLoader& loader) {
    startUp(state_, loader);
}

// ---- The procedures ------------------------------------------------------------------------
// Each runs its step in full through the chain runner: numbers, drawing, boxes, messages.

void Form1::profil_hesapla() {
    runStep(Step::profil_hesapla, state_, values_, surfaces_, *this);
}

void Form1::basınc_hesapla() {
    runStep(Step::basınc_hesapla, state_, values_, surfaces_, *this);
}

// Sets the colours (renkler), then draws the circle plane and the profile.
void Form1::profil_ciz() {
    runStep(Step::profil_ciz, state_, values_, surfaces_, *this);
}

void Form1::renkler() {
    kestrel::renkler(state_);
}

void Form1::basınc_ciz() {
    runStep(Step::basınc_ciz, state_, values_, surfaces_, *this);
}

void Form1::CL_Alfa_ciz() {
    runStep(Step::CL_Alfa_ciz, state_, values_, surfaces_, *this);
}

// Before any profile exists the moment law would divide by a zero chord: then only the moment
// reference is taken and shown, and the plot and the moment box stay as they are.
void Form1::CM_Alfa_ciz() {
    runStep(Step::CM_Alfa_ciz, state_, values_, surfaces_, *this);
}

// ---- The handlers --------------------------------------------------------------------------

void Form1::HScroll_Thickness_Change() {
    runHandler(Handler::HScroll_Thickness_Change);
}

void Form1::HScroll_Camber_Change() {
    runHandler(Handler::HScroll_Camber_Change);
}

void Form1::HScroll_nP_Change() {
    runHandler(Handler::HScroll_nP_Change);
}

void Form1::HScroll_AlfaD_Change() {
    runHandler(Handler::HScroll_AlfaD_Change);
}

void Form1::HScroll_xM_Change() {
    runHandler(Handler::HScroll_xM_Change);
}

void Form1::daire_Click() {
    runHandler(Handler::daire_Click);
}

void Form1::profil_Click() {
    runHandler(Handler::profil_Click);
}

void Form1::pressure_Click() {
    runHandler(Handler::pressure_Click);
}

void Form1::Picture_CL_Click() {
    runHandler(Handler::Picture_CL_Click);
}

void Form1::Picture_CM_Click() {
    runHandler(Handler::Picture_CM_Click);
}

void Form1::Mn_About_Click() {
    runHandler(Handler::Mn_About_Click);
}

// The study window follows every chain that ends, however it ends.
void Form1::runHandler(Handler handler) {
    runSteps(chainOf(handler), state_, values_, surfaces_, *this);
    if (study_ && handler != Handler::Mn_About_Click) {
        study_->follow();
    }
}

// ---- The window's side of a chain ----------------------------------------------------------

void Form1::openAbout() {
    if (!Form_About) {
        Form_About = std::make_unique<AboutWindow>();
    }
    Form_About->showAndRaise();
}

void Form1::tableMiss() {
    QMessageBox message(QMessageBox::NoIcon, textOf(TextId::MessageTitle),
                        textOf(TextId::TableMiss), QMessageBox::Ok, this);
    message.exec();
}

void Form1::stopped(Step, const std::exception& error) {
    QMessageBox::critical(this, textOf(TextId::MessageTitle),
                          textOf(TextId::UpdateStopped).arg(qtText(error.what())));
}

ChainInputs Form1::inputs() const {
    ChainInputs inputs;
    inputs.thickness = HScroll_Thickness->value();
    inputs.camber = HScroll_Camber->value();
    inputs.points = HScroll_nP->value();
    inputs.alpha = HScroll_AlfaD->value();
    inputs.xm = HScroll_xM->value();
    inputs.mach = Text_Moo->text().toStdString();
    return inputs;
}

void Form1::writeBoxes(std::vector<BoxText> boxes) {
    for (const BoxText& b : boxes) {
        QLineEdit* box = findChild<QLineEdit*>(qtText(b.box));
        box->setText(QString::fromStdString(b.text));
    }
}

std::string Form1::decimalSeparator() const {
    return locale().decimalPoint().toStdString();
}

} // namespace kestrel
