#include "placeregistry.h"

#include "computer/hacking.h"
#include "computer/hardware.h"
#include "computer/internet.h"
#include "computer/internetsites.h"
#include "computer/software.h"
#include "computer/virus.h"
#include "game/help.h"
#include "game/startwindows.h"
#include "game/windownames.h"
#include "leisure/arcade.h"
#include "leisure/hobby.h"
#include "leisure/madfish.h"
#include "leisure/party.h"
#include "leisure/roulette.h"
#include "leisure/slots.h"
#include "life/bank.h"
#include "life/flat.h"
#include "life/shop.h"
#include "life/study.h"
#include "life/work.h"
#include "ui_frmar.h"
#include "ui_frmbank.h"
#include "ui_frmcomputer.h"
#include "ui_frmfirst.h"
#include "ui_frmflat.h"
#include "ui_frmhakerstvo.h"
#include "ui_frmhelp.h"
#include "ui_frmhobby.h"
#include "ui_frminteranek.h"
#include "ui_frmintercomp.h"
#include "ui_frminternet.h"
#include "ui_frmmadfish.h"
#include "ui_frmparty.h"
#include "ui_frmprograms.h"
#include "ui_frmruletka.h"
#include "ui_frmruletka2.h"
#include "ui_frmshop.h"
#include "ui_frmstudy.h"
#include "ui_frmtheend.h"
#include "ui_frmvirus.h"
#include "ui_frmwork.h"
#include "virusheading.h"

namespace brankor::ui {
namespace {

/// The virus window: its form, and the heading that blinks in the rules' colours.
PlaceKind virusPlace() {
    PlaceKind kind = designedPlace<FrmVirus, Ui::frmVirus>();
    kind.setupUi = [form = kind.setupUi](QDialog& dialog) {
        form(dialog);
        followVirusHeading(dialog);
    };
    return kind;
}

}  // namespace

const std::map<std::string, PlaceKind>& placeKinds() {
    static const std::map<std::string, PlaceKind> kinds = {
        {window::kFirst, designedPlace<FrmFirst, Ui::frmFirst>()},
        {window::kTheEnd, designedPlace<FrmTheEnd, Ui::frmTheEnd>()},
        {window::kBank, designedPlace<FrmBank, Ui::frmBank>()},
        {window::kHelp, designedPlace<FrmHelp, Ui::frmHelp>()},
        {window::kShop, designedPlace<FrmShop, Ui::frmShop>()},
        {window::kFlat, designedPlace<FrmFlat, Ui::frmFlat>()},
        {window::kStudy, designedPlace<FrmStudy, Ui::frmStudy>()},
        {window::kWork, designedPlace<FrmWork, Ui::frmWork>()},
        {window::kComputer, designedPlace<FrmComputer, Ui::frmComputer>()},
        {window::kPrograms, designedPlace<FrmPrograms, Ui::frmPrograms>()},
        {window::kInternet, designedPlace<FrmInternet, Ui::frmInternet>()},
        {window::kInterAnek, designedPlace<FrmInterAnek, Ui::frmInterAnek>()},
        {window::kInterComp, designedPlace<FrmInterComp, Ui::frmInterComp>()},
        {window::kHakerstvo, designedPlace<FrmHakerstvo, Ui::frmHakerstvo>()},
        {window::kVirus, virusPlace()},
        {window::kHobby, designedPlace<FrmHobby, Ui::frmHobby>()},
        {window::kMadFish, designedPlace<FrmMadFish, Ui::frmMadFish>()},
        {window::kParty, designedPlace<FrmParty, Ui::frmParty>()},
        {window::kRuletka, designedPlace<FrmRuletka, Ui::frmRuletka>()},
        {window::kRuletka2, designedPlace<FrmRuletka2, Ui::frmRuletka2>()},
        {window::kAr, designedPlace<FrmAr, Ui::frmAr>()},
    };
    return kinds;
}

}  // namespace brankor::ui
