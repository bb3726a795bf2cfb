#include "web/webplatform.h"

#include "session/boxes.h"
#include "table/errors.h"
#include "web/pagedesign.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>

// The page script keeps its side of the platform in Module.page. The bodies are JavaScript,
// which the C++ formatter would break.
// clang-format off
EM_JS(void, pagePlaySound, (const char* path), { Module.page.playSound(UTF8ToString(path)); });

// The reason the picture cannot be shown, or null when it can; the caller frees it.
EM_JS(char*, pagePictureProblem, (const char* path), {
    const problem = Module.page.pictureProblem(UTF8ToString(path));
    if (!problem)
        return 0;
    const size = lengthBytesUTF8(problem) + 1;
    const text = _malloc(size);
    stringToUTF8(problem, text, size);
    return text;
});

EM_JS(void, pageGameEnded, (), { Module.page.gameEnded(); });

// Shows the box, with what it asks in the player's language under its text unless that is
// empty, and resolves to 0 (OK), 1 (Yes) or 2 (No); the game is suspended meanwhile.
EM_ASYNC_JS(int, pageShowMessage, (const char* title, const char* text, int yesNo, int icon,
                                   const char* translation), {
    return await Module.page.showMessage(UTF8ToString(title), UTF8ToString(text), yesNo !== 0,
                                         icon, UTF8ToString(translation));
});
// clang-format on

namespace nablo {

void WebPlatform::playSound(const std::string& path) { pagePlaySound(web::sitePath(path).c_str()); }

void WebPlatform::loadPicture(const std::string& path)
{
    const std::string file = web::sitePath(path);
    const std::unique_ptr<char, decltype(&std::free)> problem(pagePictureProblem(file.c_str()),
                                                              &std::free);
    if (problem)
        throw pictureError(path, file, problem.get());
}

void WebPlatform::gameEnded(const GameOutcome&) { pageGameEnded(); }

Answer WebPlatform::showMessage(const MessageBox& box)
{
    const bool yesNo = box.buttons == MessageButtons::YesNo;
    const int answer = pageShowMessage(box.title.c_str(), box.text.c_str(), yesNo ? 1 : 0,
                                       static_cast<int>(box.icon), boxTranslation(box).c_str());
    if (!yesNo)
        return Answer::OK;
    return answer == 1 ? Answer::Yes : Answer::No;
}

} // namespace nablo
