// The bank: the amount boxes' checks as the player types, deposits and withdrawals at both sides
// of what there is, the interest shown at 19, 20, 39 and 40 $, and the 16-bit account's top.
#include "life/bank.h"
#include "transcript.h"

using namespace brankor;

TRANSCRIPT(frmBank) {
    s.set("BankBalance", "0").open<FrmBank>();
    s.hover("").hover("cmdPut");

    s.note("What the amount boxes take");
    s.type("txtPut", "a").type("txtPut", "1").type("txtPut", "\b").type("txtPut", "-");
    s.change("txtPut", "-5").change("txtPut", " 5 ").change("txtPut", "1.5").change("txtPut", "");
    s.type("txtTake", "x").type("txtTake", "7").type("txtTake", "\b");

    s.note("Deposits: the whole money must cover the amount");
    s.change("txtPut", "171").click("cmdPut");
    s.change("txtPut", "99999999999999999999").click("cmdPut");
    for (const char* amount : {"0", "19", "1", "19", "1"})
        s.change("txtPut", amount).click("cmdPut");
    s.set("lblMoney", "2.5").change("txtPut", "2.9").click("cmdPut");
    s.set("lblMoney", "1").change("txtPut", "1").click("cmdPut");

    s.note("Withdrawals: the balance must cover the amount");
    for (const char* amount : {"44", "0", "1.9", "42"})
        s.change("txtTake", amount).click("cmdTake");

    s.note("The account holds at most 32767 $");
    s.set("BankBalance", "32760").set("lblMoney", "100");
    s.close().open<FrmBank>();
    s.change("txtPut", "8").click("cmdPut");
    s.change("txtPut", "7").click("cmdPut");
    s.change("txtTake", "32767").click("cmdTake");
    s.change("txtTake", "-1");
    s.click("cmdBack");
}
