#pragma once

// Placeholder: the toon-shading object arrives with the rendering work.
class ComicStyle {
};
