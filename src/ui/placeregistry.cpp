#include "placeregistry.h"

#include "computer/hacking.h"
#include "computer/hardware.h"
#include "computer/internet.h"
#include "computer/internetsites.h"
#include "computer/software.h"
#include "computer/virus.h"
#include "core/bank.h"
#include "core/help.h"
#include "core/startwindows.h"
#include "leisure/arcade.h"
#include "leisure/hobby.h"
#include "leisure/madfish.h"
#include "leisure/party.h"
#include "leisure/roulette.h"
#include "leisure/slots.h"
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
        {"frmFirst", designedPlace<FrmFirst, Ui::frmFirst>()},
        {"frmTheEnd", designedPlace<FrmTheEnd, Ui::frmTheEnd>()},
        {"frmBank", designedPlace<FrmBank, Ui::frmBank>()},
        {"frmHelp", designedPlace<FrmHelp, Ui::frmHelp>()},
        {"frmShop", designedPlace<FrmShop, Ui::frmShop>()},
        {"frmFlat", designedPlace<FrmFlat, Ui::frmFlat>()},
        {"frmStudy", designedPlace<FrmStudy, Ui::frmStudy>()},
        {"frmWork", designedPlace<FrmWork, Ui::frmWork>()},
        {"frmComputer", designedPlace<FrmComputer, Ui::frmComputer>()},
        {"frmPrograms", designedPlace<FrmPrograms, Ui::frmPrograms>()},
        {"frmInternet", designedPlace<FrmInternet, Ui::frmInternet>()},
        {"frmInterAnek", designedPlace<FrmInterAnek, Ui::frmInterAnek>()},
        {"frmInterComp", designedPlace<FrmInterComp, Ui::frmInterComp>()},
        {"frmHakerstvo", designedPlace<FrmHakerstvo, Ui::frmHakerstvo>()},
        {"frmVirus", virusPlace()},
        {"frmHobby", designedPlace<FrmHobby, Ui::frmHobby>()},
        {"frmMadFish", designedPlace<FrmMadFish, Ui::frmMadFish>()},
        {"frmParty", designedPlace<FrmParty, Ui::frmParty>()},
        {"frmRuletka", designedPlace<FrmRuletka, Ui::frmRuletka>()},
        {"frmRuletka2", designedPlace<FrmRuletka2, Ui::frmRuletka2>()},
        {"frmAr", designedPlace<FrmAr, Ui::frmAr>()},
    };
    return kinds;
}

}  // namespace brankor::ui
