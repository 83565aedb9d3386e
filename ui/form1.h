// SPDX-License-Identifier: MIT
// The main window: its controls, its procedures and the handlers that run the chains.
#pragma once

#include "model/chain.h"
#include "model/startup.h"
#include "model/state.h"
#include "plots/chain.h"
#include "plots/surfaces.h"

#include <QMainWindow>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLineEdit;
class QScrollBar;

namespace kestrel {

class AboutWindow;
class FrameBox;
class PictureBox;
class StudyWindow;

// Asks where to save a file: the dialog's title, the suggested path and the file-type filters;
// returns the chosen path, or an empty text when the user cancels.
using FileChooser =
    std::function<QString(const QString& title, const QString& suggested, const QString& filters)>;

// The main window. It owns the window-wide state, the five plot surfaces and every control, and
// runs the procedures in the chains that the user's actions start. The procedures stay thin:
// they read their controls, call the model and the plot code, and write their boxes.
class Form1 : public QMainWindow, private ChainHost {
public:
    // `loader` fills the thickness-camber table at start-up; the built-in table by default.
    explicit Form1(const TableLoader& loader = loadBuiltInTable);
    ~Form1() override;

    const State& state() const { return state_; }
    const ChainValues& values() const { return values_; }
    // The About window, once it has been opened.
    AboutWindow* aboutWindow() const { return Form_About.get(); }
    // The study window, once it has been opened from a plot's menu.
    StudyWindow* studyWindow() const { return study_.get(); }
    // Replaces the file dialog of "Save picture" and "Save data" (tests answer it themselves).
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // The zoom of this window and the study window (plots/zoom.h): at 1 the window is as it
    // always was; at any other zoom its places, fonts, labels and pictures are that many times
    // larger, and the window grows to hold them as far as the screen allows (then it scrolls).
    double zoom() const { return zoom_; }
    void setZoom(double zoom);

    // The plot menu's actions, on the plot they belong to.
    void openStudyWindow();
    // Opens the study window and keeps the current profile there for comparison.
    void keepForComparison();
    void copyPicture(SurfaceId id);
    void savePicture(SurfaceId id);
    void saveData(SurfaceId id);

    // The procedures, in the window's order.
    void profil_hesapla(); // compute the profile: thickness, camber, point count
    void basınc_hesapla(); // compute the surface pressure at the angle of attack
    void profil_ciz();     // draw the circle plane and the profile
    void renkler();        // set the plot colours
    void basınc_ciz();     // draw the pressure distribution 1 - Cp
    void CL_Alfa_ciz();    // draw the lift curve, show CL
    void CM_Alfa_ciz();    // take the moment reference, draw the moment curve, show CM

    // The handlers: each runs its chain.
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    using Procedure = void (Form1::*)();

    void Form_Load(const TableLoader& loader);
    void buildControls();
    void buildFrames(QWidget* client);
    void buildSurfaces(QWidget* client);
    void setFocusOrder();
    void nameInputs();
    void connectHandlers();
    void addPlotActions(PictureBox* box);
    // The zoom keys: zoom in, zoom out and back to the actual size, for both windows.
    void addZoomActions();
    // The study window at this window's zoom, its zoom keys working there too.
    void followZoom(StudyWindow& study);
    // A zoom the user chose: set and remembered for the next run.
    void chooseZoom(double zoom);
    void applyZoom();
    void scrollClientArea();
    // The window's size for its client area at the zoom, within the screen.
    void fitWindowToZoom();
    // Writes one file as a set of one; a failure is shown in a message box.
    void writeChosenFile(const QString& path, const std::string& bytes);
    QString chooseSavePath(const QString& title, const QString& name, const QString& filters);

    // Runs the handler's chain through the chain runner; an error ends it and is shown to the
    // user.
    void runHandler(Handler handler);
    // The window's side of a chain: what the controls hold (the five scroll positions and the
    // Mach text), the boxes with the user's decimal separator,
    // the table-miss message, the About window and the error message.
    ChainInputs inputs() const override;
    std::string decimalSeparator() const override;
    void writeBoxes(std::vector<BoxText> boxes) override;
    void tableMiss() override;
    void openAbout() override;
    void stopped(Step step, const std::exception& error) override;

    State state_;
    ChainValues values_;
    PlotSurfaces surfaces_;

    PictureBox* daire = nullptr;
    PictureBox* profil = nullptr;
    PictureBox* pressure = nullptr;
    PictureBox* Picture_CL = nullptr;
    PictureBox* Picture_CM = nullptr;
    FrameBox* Frame1 = nullptr;
    FrameBox* Frame2 = nullptr;
    FrameBox* Frame3 = nullptr;
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
    QAction* Mn_ZoomIn = nullptr;
    QAction* Mn_ZoomOut = nullptr;
    QAction* Mn_ZoomReset = nullptr;
    double zoom_ = 1;
    // The one About window: created on first use, kept for the rest of the run, no owner.
    std::unique_ptr<AboutWindow> Form_About;
    // The one study window: created when first opened, kept for the rest of the run.
    std::unique_ptr<StudyWindow> study_;
    FileChooser chooseFile_;
};

} // namespace kestrel
