#pragma once
#include <QTime>
#include <Inventor/SbVec3f.h>
#include <string>
#include <vector>

class World;
class WorldProxy;
class Player;
class ComicStyle;
namespace VOXA {
class Bitmap;
}

// The one place where the parts of the game find the state they share.
// A process-wide singleton reached only through static operations: without
// an instance, setters do nothing and getters return a neutral value.
// The first registry constructed becomes the instance; it must outlive
// every world.
class GameRegistry {
public:
    GameRegistry();
    ~GameRegistry();
    GameRegistry(const GameRegistry &) = delete;
    GameRegistry &operator=(const GameRegistry &) = delete;

    static void setWorlds(std::vector<World *> worlds);
    // Hands out the worlds in list order; null once the list is used up.
    static World *takeNextWorld();
    static void setWorldProxy(WorldProxy *proxy);
    // Switches to the next world of the list, at the end of the step under
    // way (the proxy carries it out). Past the end the current world stays
    // (switching to null would leave the window without one).
    static void nextWorld();
    // Switches to the last world of the list (game over), at the end of the
    // step; the index stays.
    static void showLastWorld();
    static World *currentWorld();

    static void setPlayer(Player *player);
    static Player *getPlayer();
    static void setPlayTime(QTime time);
    static QTime getPlayTime();
    static void setLives(int lives);
    static int getLives();
    static void setNickname(std::string nickname);
    static std::string getNickname();
    static void setGravity(float x, float y, float z);
    static SbVec3f getGravity();
    static void setComicStyle(ComicStyle *style);
    static ComicStyle *getComicStyle();

    // Texture manager: a texture index is a position in the texture list;
    // 0 also stands for a failed load. The values returned by getTexture
    // are GL texture names (GLuint). Requires a current GL context.
    static unsigned int loadTexture(std::string fileName);
    static unsigned int getTexture(unsigned int index);
    // The common pairing of the two: load a file and keep its GL name.
    static unsigned int loadTextureName(std::string fileName) { return getTexture(loadTexture(std::move(fileName))); }
    // Sizes of the two lists, for diagnostics and tests.
    static size_t imageCount();
    static size_t textureCount();

    // GL state of the black outline pass; neither needs an instance. The
    // outlines are smooth lines by default; the fast ones (aliased, one
    // pixel wider) cost about half as much on a software renderer. A
    // process-wide setting, read by beginOutline.
    enum class OutlineLines { Smooth, Fast };
    static void setOutlineLines(OutlineLines lines);
    static OutlineLines getOutlineLines();
    static void beginOutline();
    static void endOutline();
    // Inside the outline pass, around the static and moving geometry: pulls
    // its lines towards the viewer by a bounded polygon offset.
    static void beginFlatOutlines();
    static void endFlatOutlines();

private:
    static GameRegistry *instance;

    unsigned int currentIndex = 0;
    std::vector<World *> worlds;
    Player *player = nullptr;
    WorldProxy *worldProxy = nullptr;
    QTime playTime;
    int lives = 3;
    std::string nickname;
    SbVec3f gravity{0.0f, 0.0f, 0.0f};
    std::vector<VOXA::Bitmap *> images;
    std::vector<unsigned int> textures;
    ComicStyle *comicStyle = nullptr;
};
