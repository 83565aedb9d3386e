// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include "model/colours.h"
#include "model/text.h"
#include "plots/chain.h"
#include "ui/about_window.h"
#include "ui/qt_text.h"
#include "ui/study_window.h"

#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QScrollBar>
#include <exception>

namespace kestrel {

namespace {

const QString kMissMessage = QStringLiteral("bu profil veritabanında yok");

} // namespace

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

void Form1::profil_hesapla() {
    computeStep(Step::profil_hesapla, state_, controls(), values_);
    writeBoxes(Step::profil_hesapla);
    if (values_.tableMiss) {
        QMessageBox message(QMessageBox::NoIcon, QStringLiteral("Kestrel"), kMissMessage,
                            QMessageBox::Ok, this);
        message.exec();
    }
}

void Form1::basınc_hesapla() {
    computeStep(Step::basınc_hesapla, state_, controls(), values_);
    writeBoxes(Step::basınc_hesapla);
}

void Form1::profil_ciz() {
    renkler();
    drawStep(Step::profil_ciz, state_, values_, surfaces_);
}

void Form1::renkler() {
    kestrel::renkler(state_);
}

void Form1::basınc_ciz() {
    computeStep(Step::basınc_ciz, state_, controls(), values_);
    drawStep(Step::basınc_ciz, state_, values_, surfaces_);
}

void Form1::CL_Alfa_ciz() {
    computeStep(Step::CL_Alfa_ciz, state_, controls(), values_);
    drawStep(Step::CL_Alfa_ciz, state_, values_, surfaces_);
    writeBoxes(Step::CL_Alfa_ciz);
}

// Before any profile exists the moment law would divide by a zero chord: then only the moment
// reference is taken and shown, and the plot and the moment box stay as they are.
void Form1::CM_Alfa_ciz() {
    computeStep(Step::CM_Alfa_ciz, state_, controls(), values_);
    drawStep(Step::CM_Alfa_ciz, state_, values_, surfaces_);
    writeBoxes(Step::CM_Alfa_ciz);
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

Form1::Procedure Form1::procedureOf(Step step) {
    switch (step) {
    case Step::profil_hesapla:
        return &Form1::profil_hesapla;
    case Step::profil_ciz:
        return &Form1::profil_ciz;
    case Step::basınc_hesapla:
        return &Form1::basınc_hesapla;
    case Step::basınc_ciz:
        return &Form1::basınc_ciz;
    case Step::CL_Alfa_ciz:
        return &Form1::CL_Alfa_ciz;
    case Step::CM_Alfa_ciz:
        return &Form1::CM_Alfa_ciz;
    case Step::MomentMarker:
        return &Form1::drawMomentReferenceMarker;
    case Step::OpenAbout:
        break;
    }
    return &Form1::openAbout;
}

// The study window follows every chain that ends, however it ends.
void Form1::runHandler(Handler handler) {
    for (const Step step : chainOf(handler)) {
        try {
            (this->*procedureOf(step))();
        } catch (const std::exception& error) {
            QMessageBox::critical(this, QStringLiteral("Kestrel"),
                                  QStringLiteral("An error stopped this update: %1")
                                      .arg(QString::fromUtf8(error.what())));
            break;
        }
    }
    if (study_ && handler != Handler::Mn_About_Click) {
        study_->follow();
    }
}

void Form1::drawMomentReferenceMarker() {
    drawStep(Step::MomentMarker, state_, values_, surfaces_);
}

void Form1::openAbout() {
    if (!Form_About) {
        Form_About = std::make_unique<AboutWindow>();
    }
    Form_About->showAndRaise();
}

ChainInputs Form1::controls() const {
    ChainInputs inputs;
    inputs.thickness = HScroll_Thickness->value();
    inputs.camber = HScroll_Camber->value();
    inputs.points = HScroll_nP->value();
    inputs.alpha = HScroll_AlfaD->value();
    inputs.xm = HScroll_xM->value();
    inputs.mach = Text_Moo->text().toStdString();
    return inputs;
}

void Form1::writeBoxes(Step step) {
    for (const BoxText& b : boxTexts(step, state_, values_, decimalSeparator())) {
        QLineEdit* box = findChild<QLineEdit*>(qtText(b.box));
        box->setText(QString::fromStdString(b.text));
    }
}

std::string Form1::decimalSeparator() const {
    return locale().decimalPoint().toStdString();
}

QString Form1::numberBoxText(double value) const {
    return QString::fromStdString(numberText(value, decimalSeparator()));
}

} // namespace kestrel
