#pragma once

#include "model/startup.h"
#include "model/state.h"

#include <QMainWindow>
#include <initializer_list>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace kestrel {

class AboutWindow;
class PictureBox;

// The main window. It owns the window-wide state and every control, and runs the seven
// procedures in the chains that the user's actions start. The procedures stay thin: they read
// their controls, call the model and plot code, and write their boxes.
class Form1 : public QMainWindow {
public:
    // `loader` fills the thickness-camber table at start-up; the built-in table by default.
    explicit Form1(const TableLoader& loader = loadBuiltInTable);
    ~Form1() override;

    const State& state() const { return state_; }
    // The About window, once it has been opened.
    AboutWindow* aboutWindow() const { return Form_About.get(); }

    // The procedures, in the window's order.
    void profil_hesapla();
    void basınc_hesapla();
    void profil_ciz();
    void renkler();
    void basınc_ciz();
    void CL_Alfa_ciz();
    void CM_Alfa_ciz();

    // The handlers.
    void HScroll_Thickness_Change();
    void HScroll_Camber_Change();
    void HScroll_nP_Change();
    void HScroll_AlfaD_Change();
    void HScroll_xM_Change();
    void daire_Click();
    void profil_Click();
    void pressure_Click();
    void Picture_CL_Click();
    void Picture_CM_Click();
    void Mn_About_Click();

private:
    using Step = void (Form1::*)();

    void Form_Load(const TableLoader& loader);
    void buildControls();
    void buildFrames(QWidget* client);
    void buildSurfaces(QWidget* client);
    void setFocusOrder();
    void connectHandlers();

    // Runs the steps of one chain in order; an error ends the chain and is shown to the user.
    void runChain(std::initializer_list<Step> steps);
    void runFullChain();
    void drawMomentReferenceMarker();
    // Number text with the user's decimal separator; the Mach number as its box holds it.
    QString numberBoxText(double value) const;
    double machNumber() const;

    State state_;

    PictureBox* daire = nullptr;
    PictureBox* profil = nullptr;
    PictureBox* pressure = nullptr;
    PictureBox* Picture_CL = nullptr;
    PictureBox* Picture_CM = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QScrollBar* HScroll_Thickness = nullptr;
    QScrollBar* HScroll_Camber = nullptr;
    QScrollBar* HScroll_nP = nullptr;
    QScrollBar* HScroll_AlfaD = nullptr;
    QScrollBar* HScroll_xM = nullptr;
    QLineEdit* Text_Thickness = nullptr;
    QLineEdit* Text_Camber = nullptr;
    QLineEdit* Text_nP = nullptr;
    QLineEdit* Text_AlfaD = nullptr;
    QLineEdit* Text_xM = nullptr;
    QLineEdit* Text_CL = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text_Moo = nullptr;
    QAction* Mn_About = nullptr;
    // The one About window: created on first use, kept for the rest of the run, no owner.
    std::unique_ptr<AboutWindow> Form_About;
};

} // namespace kestrel
