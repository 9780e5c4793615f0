#include "placeregistry.h"

#include "core/bank.h"
#include "core/help.h"
#include "core/startwindows.h"
#include "leisure/arcade.h"
#include "life/flat.h"
#include "life/shop.h"
#include "life/study.h"
#include "life/work.h"
#include "ui_frmar.h"
#include "ui_frmbank.h"
#include "ui_frmfirst.h"
#include "ui_frmflat.h"
#include "ui_frmhelp.h"
#include "ui_frmshop.h"
#include "ui_frmstudy.h"
#include "ui_frmtheend.h"
#include "ui_frmwork.h"

namespace brankor::ui {

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
        {"frmAr", designedPlace<FrmAr, Ui::frmAr>()},
    };
    return kinds;
}

}  // namespace brankor::ui
