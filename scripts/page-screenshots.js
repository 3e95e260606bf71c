// Screenshots of the page after the calculation from the leg AC = 2.5, in Bulgarian:
// docs/page-desktop.png at 1024 x 768; docs/page-phone.png, a 360 px wide touch screen, the
// whole narrow arrangement.
//   node scripts/page-screenshots.js     (after scripts/web-test.sh, which installs tests/page/)
import { build, ids, launch, WIDE } from "../tests/page/browser.js";

const browser = await launch("chromium");
for (const [name, condition] of [["desktop", WIDE],
    ["phone", { name: "phone", width: 360, height: 640, touch: true }]]) {
    const page = await browser.open(`file://${build.page}`, condition);
    await page.click(`#${ids.options[1]}`);
    await page.click(`#${ids.input}`);
    await page.type("2.5");
    await page.click(`#${ids.calculate}`);
    await page.page.screenshot({ path: `docs/page-${name}.png`, fullPage: condition.touch });
    console.log(`docs/page-${name}.png`);
}
await browser.close();
