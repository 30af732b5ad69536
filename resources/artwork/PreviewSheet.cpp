// The contact sheet: every bitmap but the panel, its images side by side,
// enlarged without smoothing so single pixels can be judged.
#include "resources/artwork/BitmapCatalogue.h"
#include "resources/artwork/BitmapRenderer.h"
#include "resources/artwork/Palette.h"
#include "resources/artwork/Preview.h"

#include <algorithm>
#include <string>
#include <vector>

namespace artwork {
namespace {

constexpr int kSheetWidth = 1500;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 16;
constexpr int kGap = 6;
constexpr int kPanelId = 127;
constexpr int kPageHeight = 1000;

struct Block {
    const BitmapEntry* entry;
    int perRow, rows;
};

Block blockFor(const BitmapEntry& entry, int scale) {
    const int cell = entry.width * scale + kGap;
    const int perRow = std::max(1, std::min(entry.images, (kSheetWidth - 2 * kMargin) / cell));
    return {&entry, perRow, (entry.images + perRow - 1) / perRow};
}

int blockHeight(const Block& block, int scale) {
    return kLabelHeight + block.rows * (block.entry->imageHeight * scale + kGap) + kGap;
}

void drawBlock(cairo_t* cr, const Block& block, cairo_surface_t* bitmap, const Fonts& fonts, int scale, int top) {
    const BitmapEntry& entry = *block.entry;
    const std::string label = std::to_string(entry.id) + "  " + std::to_string(entry.width) + " x " +
                              std::to_string(entry.height) + "  " + entry.shows;
    fonts.draw(cr, {Weight::Bold, 11, palette::kText, 0}, label, kMargin, top + 12, Align::Left);
    for (int image = 0; image < entry.images; ++image) {
        const int x = kMargin + (image % block.perRow) * (entry.width * scale + kGap);
        const int y = top + kLabelHeight + (image / block.perRow) * (entry.imageHeight * scale + kGap);
        cairo_save(cr);
        cairo_rectangle(cr, x, y, entry.width * scale, entry.imageHeight * scale);
        cairo_clip(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, bitmap, 0, -image * entry.imageHeight);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
    }
}

// The window four times enlarged, in four quarters of 800 x 800.
void writeEnlargedQuarters(cairo_surface_t* window, const std::string& prefix) {
    constexpr int kScale = 4, kQuarter = 200;
    for (int quarter = 0; quarter < 4; ++quarter) {
        Surface tile = makeSurface(CAIRO_FORMAT_RGB24, kQuarter * kScale, kQuarter * kScale);
        Context cr = makeContext(tile.get());
        cairo_scale(cr.get(), kScale, kScale);
        cairo_set_source_surface(cr.get(), window, -(quarter % 2) * kQuarter, -(quarter / 2) * kQuarter);
        cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_NEAREST);
        cairo_paint(cr.get());
        writePng(tile.get(), prefix + "-" + std::to_string(quarter + 1) + ".png");
    }
}

}  // namespace

BitmapSet renderAllBitmaps(const ArtContext& context) {
    BitmapSet bitmaps;
    for (const BitmapEntry& entry : bitmapCatalogue()) bitmaps[entry.id] = renderBitmap(entry, context);
    return bitmaps;
}

std::vector<Surface> composeContactSheets(const BitmapSet& bitmaps, const Fonts& fonts, int scale) {
    // Blocks go onto pages of about a screen's height each.
    std::vector<std::vector<Block>> pages(1);
    int height = kMargin;
    for (const BitmapEntry& entry : bitmapCatalogue()) {
        if (entry.id == kPanelId) continue;
        const Block block = blockFor(entry, scale);
        if (height + blockHeight(block, scale) > kPageHeight && !pages.back().empty()) {
            pages.emplace_back();
            height = kMargin;
        }
        pages.back().push_back(block);
        height += blockHeight(block, scale);
    }
    std::vector<Surface> sheets;
    for (const std::vector<Block>& page : pages) {
        Surface sheet = makeSurface(CAIRO_FORMAT_RGB24, kSheetWidth, kPageHeight);
        Context cr = makeContext(sheet.get());
        cairo_set_source_rgb(cr.get(), 0.33, 0.36, 0.40);  // a neutral grey that no part uses
        cairo_paint(cr.get());
        int top = kMargin;
        for (const Block& block : page) {
            drawBlock(cr.get(), block, bitmaps.at(block.entry->id).get(), fonts, scale, top);
            top += blockHeight(block, scale);
        }
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

void writePreviews(const ArtContext& context, const std::string& directory) {
    const BitmapSet bitmaps = renderAllBitmaps(context);
    Surface rest = composeWindow(bitmaps, context.fonts(), false);
    Surface engaged = composeWindow(bitmaps, context.fonts(), true);
    constexpr int kWindowSize = 400, kSpacing = 20;
    Surface both = makeSurface(CAIRO_FORMAT_RGB24, 2 * kWindowSize + kSpacing, kWindowSize);
    {
        Context cr = makeContext(both.get());
        cairo_set_source_rgb(cr.get(), 0.33, 0.36, 0.40);
        cairo_paint(cr.get());
        cairo_set_source_surface(cr.get(), rest.get(), 0, 0);
        cairo_paint(cr.get());
        cairo_set_source_surface(cr.get(), engaged.get(), kWindowSize + kSpacing, 0);
        cairo_paint(cr.get());
    }
    writePng(both.get(), directory + "/artwork-window.png");
    Surface enlarged = makeSurface(CAIRO_FORMAT_RGB24, 2 * kWindowSize, 2 * kWindowSize);
    {
        Context cr = makeContext(enlarged.get());
        cairo_scale(cr.get(), 2, 2);
        cairo_set_source_surface(cr.get(), rest.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_NEAREST);
        cairo_paint(cr.get());
    }
    writePng(enlarged.get(), directory + "/artwork-window-2x.png");
    const std::vector<Surface> sheets = composeContactSheets(bitmaps, context.fonts(), 4);
    for (std::size_t page = 0; page < sheets.size(); ++page)
        writePng(sheets[page].get(), directory + "/artwork-sheet-" + std::to_string(page + 1) + ".png");
    writeEnlargedQuarters(rest.get(), directory + "/artwork-rest");
    writeEnlargedQuarters(engaged.get(), directory + "/artwork-engaged");
}

}  // namespace artwork
