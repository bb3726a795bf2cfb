#include "game/messages.h"

#include <string>

namespace nablo {

namespace {
std::string paid(std::int32_t pay) { return std::to_string(pay) + "クレジットの支払い"; }
} // namespace

MessageBox congratulationBox(std::int32_t pay)
{
    return {"ＣＯＮＧＲＡＴＵＬＡＴＩＯＮ！！",
            "おめでとうございます。１０４枚達成です。\r\n" + paid(pay) + "\r\nゲームを続けますか？",
            MessageButtons::YesNo,
            MessageIcon::Information,
            BoxKind::AllCardsPlaced,
            pay};
}

MessageBox gameOverBox(std::int32_t pay)
{
    return {"ゲームオーバー",
            "これ以上置くことは出来ません。\r\n" + paid(pay) + "\r\nゲームを続けますか？",
            MessageButtons::YesNo,
            MessageIcon::Question,
            BoxKind::NoCardPlaceable,
            pay};
}

MessageBox outOfCreditsPayBox(std::int32_t pay)
{
    return {"ゲームオーバー",   "これ以上置くことは出来ません。\r\n" + paid(pay),
            MessageButtons::OK, MessageIcon::Error,
            BoxKind::LastPay,   pay};
}

MessageBox outOfCreditsEndBox()
{
    return {"終了", "クレジットが無くなってしまいました。\r\nゲームを終了します。",
            MessageButtons::OK, MessageIcon::Error, BoxKind::CreditsGone};
}

} // namespace nablo
