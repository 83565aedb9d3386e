#include "ui/form1.h"

#include "model/coefficients.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/text.h"
#include "plots/colours.h"
#include "plots/plots.h"
#include "ui/about_window.h"
#include "ui/picture_box.h"

#include <QAction>
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

void Form1::Form_Load(const TableLoader& loader) {
    startUp(state_, loader);
}

// ---- The procedures ------------------------------------------------------------------------

void Form1::profil_hesapla() {
    setProfileInputs(state_, HScroll_Thickness->value(), HScroll_Camber->value(),
                     HScroll_nP->value());
    Text_Thickness->setText(numberBoxText(state_.Thickness));
    Text_Camber->setText(numberBoxText(state_.Camber));
    Text_nP->setText(numberBoxText(state_.nP));
    if (!computeProfile(state_)) {
        QMessageBox message(QMessageBox::NoIcon, QStringLiteral("Kestrel"), kMissMessage,
                            QMessageBox::Ok, this);
        message.exec();
    }
}

void Form1::basınc_hesapla() {
    setAngleInput(state_, HScroll_AlfaD->value());
    Text_AlfaD->setText(numberBoxText(state_.AlfaD));
    computePressure(state_);
}

void Form1::profil_ciz() {
    renkler();
    drawCirclePlane(daire->surface(), state_);
    drawProfile(profil->surface(), state_);
}

void Form1::renkler() {
    kestrel::renkler(state_);
}

void Form1::basınc_ciz() {
    drawPressure(pressure->surface(), state_, machNumber());
}

void Form1::CL_Alfa_ciz() {
    drawLiftCurve(Picture_CL->surface(), state_, machNumber());
    Text_CL->setText(numberBoxText(roundDecimals(state_.CLcur, 4)));
}

// Before any profile exists the moment law would divide by a zero chord: then only the moment
// reference is taken and shown, and the plot and the moment box stay as they are.
void Form1::CM_Alfa_ciz() {
    setMomentReference(state_, HScroll_xM->value());
    Text_xM->setText(numberBoxText(state_.xM));
    if (!profileExists(state_)) {
        return;
    }
    const double current = drawMomentCurve(Picture_CM->surface(), state_, machNumber());
    Text1->setText(numberBoxText(roundDecimals(current, 5)));
}

// ---- The handlers --------------------------------------------------------------------------

void Form1::runFullChain() {
    runChain({&Form1::profil_hesapla, &Form1::profil_ciz, &Form1::basınc_hesapla,
              &Form1::basınc_ciz, &Form1::CL_Alfa_ciz, &Form1::CM_Alfa_ciz});
}

void Form1::HScroll_Thickness_Change() {
    runFullChain();
}

void Form1::HScroll_Camber_Change() {
    runFullChain();
}

void Form1::daire_Click() {
    runFullChain();
}

void Form1::profil_Click() {
    runFullChain();
}

void Form1::pressure_Click() {
    runFullChain();
}

void Form1::Picture_CL_Click() {
    runFullChain();
}

void Form1::Picture_CM_Click() {
    runFullChain();
}

void Form1::HScroll_nP_Change() {
    runChain(
        {&Form1::profil_hesapla, &Form1::profil_ciz, &Form1::basınc_hesapla, &Form1::basınc_ciz});
}

void Form1::HScroll_AlfaD_Change() {
    runChain(
        {&Form1::basınc_hesapla, &Form1::basınc_ciz, &Form1::CL_Alfa_ciz, &Form1::CM_Alfa_ciz});
}

void Form1::HScroll_xM_Change() {
    runChain({&Form1::CM_Alfa_ciz, &Form1::profil_ciz, &Form1::drawMomentReferenceMarker});
}

void Form1::Mn_About_Click() {
    try {
        if (!Form_About) {
            Form_About = std::make_unique<AboutWindow>();
        }
        Form_About->showAndRaise();
    } catch (const std::exception& error) {
        QMessageBox::critical(this, QStringLiteral("Kestrel"),
                              QStringLiteral("The About window could not be opened: %1")
                                  .arg(QString::fromUtf8(error.what())));
    }
}

void Form1::drawMomentReferenceMarker() {
    kestrel::drawMomentMarker(profil->surface(), state_);
}

void Form1::runChain(std::initializer_list<Step> steps) {
    for (const Step step : steps) {
        try {
            (this->*step)();
        } catch (const std::exception& error) {
            QMessageBox::critical(this, QStringLiteral("Kestrel"),
                                  QStringLiteral("An error stopped this update: %1")
                                      .arg(QString::fromUtf8(error.what())));
            return;
        }
    }
}

QString Form1::numberBoxText(double value) const {
    const std::string separator = locale().decimalPoint().toStdString();
    return QString::fromStdString(numberText(value, separator));
}

double Form1::machNumber() const {
    return machFromText(Text_Moo->text().toStdString());
}

} // namespace kestrel
