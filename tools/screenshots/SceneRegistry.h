#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace dvk::shots {

// A scene builds a widget (a window, a dialog, a menu) in the state to be pictured. The tool
// shows it offscreen, lets events settle, grabs it and writes <name>.png. `prepare`, when set,
// runs after the widget is shown and before the grab (to open a menu, hover an entry...).
struct Scene
{
    QString name;
    std::function<std::unique_ptr<QWidget>()> make;
    std::function<void(QWidget*)> prepare;
};

inline std::vector<Scene>& scenes()
{
    static std::vector<Scene> all;
    return all;
}

struct SceneRegistrar
{
    explicit SceneRegistrar(Scene scene) { scenes().push_back(std::move(scene)); }
};

} // namespace dvk::shots

#define DVK_SCENE_CAT2(a, b) a##b
#define DVK_SCENE_CAT(a, b) DVK_SCENE_CAT2(a, b)
// Registers a scene: DVK_SCENE({u"main-window"_s, [] { ... }, nullptr});
#define DVK_SCENE(...)                                                                             \
    static const dvk::shots::SceneRegistrar DVK_SCENE_CAT(dvkScene, __LINE__)(dvk::shots::Scene __VA_ARGS__)
