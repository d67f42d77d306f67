// Prints the guide's index.html on A4 as a reader's browser does by default: background
// graphics off, no header or footer of the browser's own. What keeps the colour swatches and
// numbers the pages is then the page's own print styles.
// Usage: node print-guide.js GUIDE_FOLDER OUT.pdf
const path = require('path');
const puppeteer = require('puppeteer-core');

const [folder, out] = process.argv.slice(2).map((argument) => path.resolve(argument));
const chromium = process.env.BRIK_CHROMIUM || '/usr/bin/chromium';

(async () => {
    const browser = await puppeteer.launch({
        executablePath: chromium, headless: true, args: ['--no-sandbox'],
    });
    try {
        const page = await browser.newPage();
        await page.goto(`file://${folder}/index.html`, { waitUntil: 'load' });
        await page.pdf({ path: out, format: 'A4', printBackground: false });
    } finally {
        await browser.close();
    }
})().catch((error) => {
    console.error(`print-guide: ${error.message}`);
    process.exit(1);
});
