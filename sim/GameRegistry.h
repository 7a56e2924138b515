#pragma once
#include <QTime>
#include <Inventor/SbVec3f.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class World;
class WorldProxy;
class Player;
class ComicStyle;
class SoundCues;
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
    // The world nextWorld took last is handed out again by the next one: a
    // practice run stays in its level after touching the exit.
    static void takeBackWorld();
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
    // The comic shader the painters bind (render's; held here, not used).
    static void setComicStyle(ComicStyle *style);
    static ComicStyle *getComicStyle();

    // Texture list: loadTexture reads "Texturen\" + fileName and appends a
    // texture for it, however often the file was loaded before; a texture
    // index is a position in the list, and 0 also stands for a failed load
    // (the first texture that did load stands in). Needs no GL: the GL
    // texture of an index is made when it is first drawn with
    // (render/Textures.h), and its name kept here.
    static unsigned int loadTexture(std::string fileName);
    // The picture of a texture index; null for an index not in the list.
    static const VOXA::Bitmap *textureImage(unsigned int index);
    // The GL name made for an index, 0 until made.
    static unsigned int textureName(unsigned int index);
    static void setTextureName(unsigned int index, unsigned int name);
    // Sizes of the list of files read (the failed ones too) and of the
    // texture list, for diagnostics and tests.
    static size_t imageCount();
    static size_t textureCount();

    // Sound: makeSounds hands a figure (or a screen) its two sounds (files
    // as the game names them) through the maker the audio side installed;
    // without one, null, and the owner is silent.
    // reportErrors: whether failing to make the sounds is shown in a
    // warning box (a figure's) or passed over quietly (a screen's).
    using SoundMaker =
        std::function<std::unique_ptr<const SoundCues>(const std::string &, const std::string &, bool reportErrors)>;
    static void setSoundMaker(SoundMaker maker);
    static std::unique_ptr<const SoundCues> makeSounds(const std::string &firstFile, const std::string &secondFile,
                                                       bool reportErrors = true);

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
    // Per texture index: its picture and its GL name (0 until made).
    std::vector<VOXA::Bitmap *> textureImages;
    std::vector<unsigned int> textureNames;
    ComicStyle *comicStyle = nullptr;
    SoundMaker soundMaker;
};
