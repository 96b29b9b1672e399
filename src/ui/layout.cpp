#include "ui/layout.h"

namespace netcheck {
namespace {

constexpr ControlKind kSheet = ControlKind::Sheet;
constexpr ControlKind kTab = ControlKind::TabPage;
constexpr ControlKind kText = ControlKind::Text;
constexpr ControlKind kBound = ControlKind::BoundText;
constexpr ControlKind kButton = ControlKind::Button;
constexpr TextColour kPlain = TextColour::Window;
constexpr TextColour kMaroon = TextColour::Maroon;
constexpr TextColour kGreen = TextColour::Green;

}  // namespace

const std::array<LayoutItem, 36> MainLayout = {{
    {1, "?SHEET1", kSheet, nullptr, 5, 2, 297, 291, kPlain},
    {2, "?TAB1", kTab, "Registry Settings", 5, 2, 297, 291, kPlain},
    {3, "?STRING8", kText, "Test Registry for proper Network setup, ISAM files", 68, 20, 163, 10, kPlain},
    {4, "?STRING9", kText, "Results", 155, 32, kFit, kFit, kPlain},
    {5, "?STRING2", kText, "EnableOpLocks is", 42, 44, 61, 10, kPlain},
    {6, "?OPPSTATUS", kBound, nullptr, 108, 44, 146, 10, kMaroon},
    {7, "?LOC:MESSAGE1", kBound, nullptr, 108, 56, 184, 10, kPlain},
    {8, "?STRING4", kText, "EnableOpLockForceClose is", 10, 68, 93, 10, kPlain},
    {9, "?FORCESTATUS", kBound, nullptr, 108, 68, 146, 10, kMaroon},
    {10, "?LOC:MESSAGE2", kBound, nullptr, 108, 80, 184, 9, kPlain},
    {11, "?STRING12", kText, "CachedOpenLimit is", 36, 92, 67, 10, kPlain},
    {12, "?COPENLIMITSTATUS", kBound, nullptr, 108, 92, 146, 10, kMaroon},
    {13, "?LOC:MESSAGE3", kBound, nullptr, 108, 104, 184, 10, kPlain},
    {14, "?STRING26", kText, "SMB2 is", 72, 116, kFit, kFit, kPlain},
    {15, "?SMB2STATUS", kBound, nullptr, 108, 116, 146, 10, kMaroon},
    {16, "?LOC:MESSAGE4", kBound, nullptr, 108, 128, 184, 9, kPlain},
    {17, "?STRING29", kText, "Use OppLocks is", 44, 140, kFit, kFit, kPlain},
    {18, "?USEOPPLOCKINGSTATUS", kBound, nullptr, 108, 140, 146, 10, kMaroon},
    {19, "?LOC:MESSAGE5", kBound, nullptr, 108, 152, 184, 10, kPlain},
    {20, "?STRING30", kText, "OpLocks Disabled is", 32, 236, 69, 10, kPlain},
    {21, "?OPLOCKSDISABLEDSTATUS", kBound, nullptr, 108, 236, 146, 9, kMaroon},
    {22, "?LOC:MESSAGE9", kBound, nullptr, 108, 248, 185, 9, kPlain},
    {23, "?STRING7", kText, "You will need to be Logged In as Adminstrator to make these changes.", 41, 265, 227, 10,
     kGreen},
    {24, "?STRING13", kText, "Changing Setting Will Require You To Reboot  Your Computer When Done", 37, 277, 239, 10,
     kGreen},
    {25, "?STRING32", kText, "Utilize NT Caching is", 32, 164, kFit, kFit, kPlain},
    {26, "?NTCACHINGSTATUS", kBound, nullptr, 108, 164, 146, 10, kMaroon},
    {27, "?LOC:MESSAGE6", kBound, nullptr, 108, 176, 184, 10, kPlain},
    {28, "?STRING35", kText, "Use Write Behind is", 36, 188, kFit, kFit, kPlain},
    {29, "?WRITEBEHINDSTATUS", kBound, nullptr, 108, 188, 146, 10, kMaroon},
    {30, "?LOC:MESSAGE7", kBound, nullptr, 108, 200, 184, 10, kPlain},
    {31, "?STRING38", kText, "Discard Cache On Open is", 12, 212, 88, 10, kPlain},
    {32, "?DISCCACHEONOPENSTATUS", kBound, nullptr, 108, 212, 146, 10, kMaroon},
    {33, "?LOC:MESSAGE8", kBound, nullptr, 108, 224, 184, 10, kPlain},
    {34, "?BUTTON2", kButton, "Change Registry Settings", 110, 296, 100, 14, kPlain},
    {35, "?BUTTON3", kButton, "Roll Back Settings", 5, 296, 89, 14, kPlain},
    {36, "?CLOSE", kButton, "Close", 242, 296, 56, 14, kPlain},
}};

}  // namespace netcheck
