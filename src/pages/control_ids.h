// Control IDs: every control of the window, under its own name. Tests,
// automation and screen readers find the child windows by these numbers;
// keep them stable.
#pragma once

#define VELNOR_CONTROLS(X) \
    /* the window's frame */ \
    X(PageControl1, 100) \
    X(DiskTab, 101) \
    X(MemTab, 102) \
    X(CPUTab, 103) \
    X(ResTab, 104) \
    X(BIOSTab, 105) \
    X(DisplayTab, 106) \
    X(UserTab, 107) \
    /* disk page */ \
    X(Panel2, 1000) \
    X(DriveComboBox1, 1001) \
    X(Label12, 1002) \
    X(Label20, 1003) \
    X(Gauge5, 1004) \
    X(Panel3, 1005) \
    X(Panel4, 1006) \
    X(Label2, 1007) \
    X(Label3, 1008) \
    X(Label4, 1009) \
    X(Memo1, 1010) \
    X(Memo2, 1011) \
    X(Memo3, 1012) \
    X(Panel5, 1013) \
    X(Panel6, 1014) \
    X(Label15, 1015) \
    X(Label14, 1016) \
    X(Memo10, 1017) \
    X(Memo9, 1018) \
    X(Button1, 1019) \
    /* memory page */ \
    X(Panel7, 2000) \
    X(Label8, 2001) \
    X(Gauge1, 2002) \
    X(Label13, 2003) \
    X(Button2, 2004) \
    X(Panel8, 2005) \
    X(Panel9, 2006) \
    X(Label5, 2007) \
    X(Label6, 2008) \
    X(Label7, 2009) \
    X(Memo4, 2010) \
    X(Memo5, 2011) \
    X(Memo6, 2012) \
    /* CPU page */ \
    X(Panel10, 3000) \
    X(Panel11, 3001) \
    X(Panel12, 3002) \
    X(Label16, 3003) \
    X(Memo7, 3004) \
    X(Panel13, 3005) \
    X(Keisoku, 3006) \
    X(Panel32, 3007) \
    X(Panel33, 3008) \
    X(Label26, 3009) \
    X(Label27, 3010) \
    X(Edit3, 3011) \
    X(Edit4, 3012) \
    X(Label9, 3013) \
    X(Gauge6, 3014) \
    X(Label21, 3015) \
    /* system resources page */ \
    X(Panel15, 4000) \
    X(Panel18, 4001) \
    X(Panel19, 4002) \
    X(Label17, 4003) \
    X(Label18, 4004) \
    X(Label19, 4005) \
    X(Button4, 4006) \
    X(Panel37, 4007) \
    X(Gauge2, 4008) \
    X(Panel38, 4009) \
    X(Gauge3, 4010) \
    X(Panel39, 4011) \
    X(Gauge4, 4012) \
    /* BIOS page */ \
    X(Panel14, 5000) \
    X(Panel26, 5001) \
    X(Panel27, 5002) \
    X(Memo8, 5003) \
    X(Edit1, 5004) \
    /* display page */ \
    X(Panel28, 6000) \
    X(Panel29, 6001) \
    X(Panel30, 6002) \
    X(Disp1, 6003) \
    X(Edit2, 6004) \
    /* user page */ \
    X(Panel1, 7000) \
    X(M1, 7001) \
    X(Panel16, 7002) \
    X(Panel17, 7003) \
    X(Name1, 7004) \
    X(Company1, 7005) \
    X(Label23, 7006) \
    X(NowName, 7007) \
    X(NowCompany, 7008) \
    X(NowPCName, 7009) \
    X(Panel20, 7010) \
    X(P2, 7011) \
    X(Label10, 7012) \
    X(Label11, 7013) \
    X(Label25, 7014) \
    X(Panel21, 7015) \
    X(Panel34, 7016) \
    X(NewName, 7017) \
    X(Panel22, 7018) \
    X(Panel35, 7019) \
    X(NewCompany, 7020) \
    X(Panel31, 7021) \
    X(Panel36, 7022) \
    X(NewPCName, 7023) \
    X(Panel23, 7024) \
    X(Touroku, 7025) \
    X(Panel24, 7026) \
    X(Cancel, 7027) \
    X(Panel25, 7028) \
    X(Change, 7029) \
    X(Button8, 7030)

namespace ids {

enum : int {
#define VELNOR_CONTROL_ID(name, id) name = id,
    VELNOR_CONTROLS(VELNOR_CONTROL_ID)
#undef VELNOR_CONTROL_ID
};

// The window's two timers (SetTimer IDs of the main window).
enum : int {
    Timer1 = 1,
    Timer2 = 2,
};

// The window menu's own commands: the system commands they send (below the
// system's own, the low four bits clear).
enum : int {
    CopyReport = 0x0100,
    SaveReport = 0x0110,
};

struct ControlName {
    const char* name;
    int id;
};

inline constexpr ControlName kControlNames[] = {
#define VELNOR_CONTROL_NAME(name, id) {#name, id},
    VELNOR_CONTROLS(VELNOR_CONTROL_NAME)
#undef VELNOR_CONTROL_NAME
};

// A control's name by its ID; null for an ID no control has.
constexpr const char* nameOf(int id) {
    for (const ControlName& entry : kControlNames) {
        if (entry.id == id) return entry.name;
    }
    return nullptr;
}

}  // namespace ids
