#pragma once
// Three reels spin and come to rest on fruits; the two signs between them make a sum whose
// score the class works out. The solution button shows the worked sum.
#include <QHash>
#include <array>

#include "activities/shell/activity.h"

namespace fruit {

class Fruit : public shell::Activity {
    Q_OBJECT
public:
    explicit Fruit(app::WindowRegistry& windows);

    platform::Label* Label1;
    platform::ControlArray<platform::Image> Image2;
    platform::ControlArray<platform::Label> Label3;
    platform::Image* Image3;
    platform::ControlArray<platform::Label> Label4;
    platform::Frame* Frame2;
    platform::Label* Label5;
    platform::Timer* Timer1;

    void cmdgo_Click() override;
    void cmdsoln_Click() override;
    void calculate();
    void Timer1_Timer();

    std::array<int, 3> reel{0, 0, 0};
    int sumform = 0;
    int fruitscore = 0;
    int spincount = 0;

    // The picture reel i shows now, by the name it was loaded from; empty before the first tick.
    const QString& shownPicture(int i) const { return m_shown[std::size_t(i)]; }

protected:
    void Form_Load() override;

private:
    void showFruit(int i, const char* picture);
    const platform::Picture& fruitPicture(const char* picture);
    void readNextPicture();

    std::array<QString, 3> m_shown;
    // Each reel picture is taken from the shared picture cache once per screen, so a tick never even
    // looks at its file; the first screen of the run decodes them, later ones find them decoded.
    QHash<QString, platform::Picture> m_pictures;
};

}  // namespace fruit
