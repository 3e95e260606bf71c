// How soon the page is ready, in a warm headless Chromium: median and range of RUNS loads,
// from navigation until «Изчисли» is enabled (the page's "triangle30-ready" mark), from file://.
//   node bench/page_ready.js [RUNS]     (after scripts/web-test.sh, which installs tests/page/)
import { build, launch } from "../tests/page/browser.js";

const runs = Number(process.argv[2] ?? 21);
const url = `file://${build.page}`;
const browser = await launch("chromium");
const page = await browser.open(url);  // warm: the file and the browser's caches
const times = [];
for (let i = 0; i < runs; ++i) {
    await page.navigate("about:blank");
    await page.navigate(url);
    times.push(await page.evaluate(() => new Promise((resolve) => {
        const look = () => {
            const mark = performance.getEntriesByName("triangle30-ready")[0];
            return mark ? resolve(mark.startTime) : setTimeout(look, 1);
        };
        look();
    })));
}
await browser.close();
times.sort((a, b) => a - b);
console.log(`page ready: median ${times[Math.floor(runs / 2)].toFixed(1)} ms over ${runs} loads ` +
    `(${times[0].toFixed(1)} to ${times.at(-1).toFixed(1)} ms)`);
