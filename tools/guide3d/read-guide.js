// Reads the 3D guide as a builder would, in headless Chromium with its software WebGL, and
// reports what it saw as lines on standard output for the test to judge:
//   error TEXT            a console error, an uncaught exception or a failed load
//   widths PAGE WxH SCROLL CLIENT   the page's scroll width against its window's width
//   step N                the step the page shows after an action (once it has drawn it)
//   part KIND,SIZE,COLOUR,COUNT    a row of the parts listed for the step shown
// and writes the view's pixels as OUT/step-22.png and OUT/step-23.png.
// Usage: node read-guide.js GUIDE_FOLDER OUT_FOLDER
const path = require('path');
const puppeteer = require('puppeteer-core');

const [folder, out] = process.argv.slice(2).map((argument) => path.resolve(argument));
const chromium = process.env.BRIK_CHROMIUM || '/usr/bin/chromium';
const sizes = [[1280, 900], [800, 600], [390, 844]];

async function shownStep(page, step) {
    await page.waitForSelector(`body[data-step="${step}"]`);
    console.log(`step ${step}`);
}

(async () => {
    const browser = await puppeteer.launch({
        executablePath: chromium,
        headless: true,
        args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
    });
    try {
        const page = await browser.newPage();
        page.setDefaultTimeout(60000);  // software WebGL on a busy machine
        page.on('console', (message) => {
            if (message.type() === 'error') console.log(`error ${message.text()}`);
        });
        page.on('pageerror', (error) => console.log(`error ${error.message}`));
        page.on('requestfailed', (request) => console.log(`error ${request.url()} did not load`));

        for (const name of ['index.html', '3d.html'])
            for (const [width, height] of sizes) {
                await page.setViewport({ width, height });
                await page.goto(`file://${folder}/${name}`, { waitUntil: 'load' });
                if (name === '3d.html') await page.waitForSelector('body[data-step]');
                const [scroll, client] = await page.evaluate(
                    () => [document.documentElement.scrollWidth, window.innerWidth]);
                console.log(`widths ${name} ${width}x${height} ${scroll} ${client}`);
            }

        // The reader's session at 1280 x 900: drag the slider to step 23, then press the left
        // arrow key.
        await page.setViewport({ width: 1280, height: 900 });
        await page.goto(`file://${folder}/3d.html`, { waitUntil: 'load' });
        await shownStep(page, 0);
        await page.$eval('#step', (slider) => {
            slider.value = '23';
            slider.dispatchEvent(new Event('input', { bubbles: true }));
        });
        await shownStep(page, 23);
        const rows = await page.$$eval('#parts tbody tr', (trs) => trs.map(
            (tr) => Array.from(tr.cells, (cell) => cell.textContent.trim()).join(',')));
        for (const row of rows) console.log(`part ${row}`);
        const view = await page.$('#view canvas');
        await view.screenshot({ path: `${out}/step-23.png` });
        await page.keyboard.press('ArrowLeft');
        await shownStep(page, 22);
        await view.screenshot({ path: `${out}/step-22.png` });
    } catch (error) {
        console.log(`error ${error.message}`);
    } finally {
        await browser.close();
    }
})();
